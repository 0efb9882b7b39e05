#pragma once
// The TCP client on QTcpSocket. States use the socket control's numbers
// (0 closed, 4 resolving, 6 connecting, 7 connected, 8 closing by the peer, 9 error).
#include <QObject>
#include <QTcpSocket>

#include "shared/LinkPorts.h"

namespace posmod {

class QtRuntime;

class QtTcpClient : public QObject, public TcpClient {
    Q_OBJECT
public:
    explicit QtTcpClient(QtRuntime& rt, QObject* parent = nullptr);
    void connectTo(const std::string& host, int port) override;
    int state() const override;
    void close() override;
    void sendData(const std::vector<uint8_t>& bytes) override;
    std::vector<uint8_t> getData() override;
    // Errors raised by the calls themselves; a refused or failed connection is reported
    // through state(), as the control reports it by an event rather than by an error.
    int lastError() const override { return lastError_; }

private:
    QtRuntime& rt_;
    QTcpSocket sock_;
    int lastError_ = 0;
    bool failed_ = false;
    bool peerClosed_ = false;
};

} // namespace posmod
