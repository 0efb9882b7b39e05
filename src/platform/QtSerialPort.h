#pragma once
// The serial port on QSerialPort. A device that cannot take a setting (a pseudo-terminal
// refuses parity framing) is used without it; one that cannot report its modem lines
// counts CTS and DSR as held.
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <string>

#include "shared/LinkPorts.h"

namespace posmod {

class QtRuntime;

// Device of port n (COMn): $POSMOD_COM<n> when set, else /dev/ttyS<n-1>.
std::string serialDeviceForPort(int n);

class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QtRuntime& rt, QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool setSettings(const std::string& settings) override;
    std::string settings() const override { return settings_; }
    void setCommPort(int port) override { commPort_ = port; }
    int commPort() const override { return commPort_; }
    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool ctsHolding() override;
    bool dsrHolding() override;
    void clearInput() override;
    void clearOutput() override;
    int inBufferCount() override;
    std::string input() override;
    void output(const std::string& bytes) override;

    // True while the open device reports no modem lines (they count as held).
    bool linesAssumed() const { return linesAssumed_; }

private:
    struct Framing {
        qint32 rate = 0;
        QSerialPort::Parity parity = QSerialPort::EvenParity;
        QSerialPort::DataBits dataBits = QSerialPort::Data7;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };
    void applyFraming();
    bool line(QSerialPort::PinoutSignal which);
    void checkTimeouts();

    QtRuntime& rt_;
    QSerialPort port_;
    QTimer lineWatch_;
    std::string settings_;
    bool valid_ = false;
    Framing framing_;
    int commPort_ = 1;
    bool linesAssumed_ = false;
    bool lost_ = false; // the device went away; the port closes at the next turn of the loop
    int opens_ = 0;
    // Since when a line has been low while bytes wait to go out (-1: not low).
    int64_t ctsLowSince_ = -1, dsrLowSince_ = -1, cdLowSince_ = -1;
};

} // namespace posmod
