#include "platform/QtTcpClient.h"

#include "platform/QtRuntime.h"

namespace posmod {

QtTcpClient::QtTcpClient(QtRuntime& rt, QObject* parent) : QObject(parent), rt_(rt)
{
    connect(&sock_, &QTcpSocket::readyRead, this, [this] {
        rt_.wake();
        if (onDataArrival)
            onDataArrival(int(sock_.bytesAvailable()));
    });
    connect(&sock_, &QTcpSocket::connected, this, [this] {
        sock_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        rt_.wake();
    });
    connect(&sock_, &QTcpSocket::disconnected, this, [this] { rt_.wake(); });
    connect(&sock_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError)
            peerClosed_ = true;
        else
            failed_ = true;
        rt_.wake();
    });
}

void QtTcpClient::connectTo(const std::string& host, int port)
{
    lastError_ = 0;
    failed_ = false;
    peerClosed_ = false;
    sock_.abort();
    if (port <= 0 || port > 65535) {
        failed_ = true;
        return;
    }
    sock_.connectToHost(QString::fromStdString(host), quint16(port));
}

int QtTcpClient::state() const
{
    switch (sock_.state()) {
    case QAbstractSocket::UnconnectedState: return failed_ ? 9 : peerClosed_ ? 8 : 0;
    case QAbstractSocket::HostLookupState: return 4;
    case QAbstractSocket::ConnectingState: return 6;
    case QAbstractSocket::ConnectedState: return peerClosed_ ? 8 : 7;
    case QAbstractSocket::BoundState: return 3;
    case QAbstractSocket::ClosingState: return 8;
    default: return 9;
    }
}

void QtTcpClient::close()
{
    sock_.abort();
    failed_ = false;
    peerClosed_ = false;
}

void QtTcpClient::sendData(const std::vector<uint8_t>& bytes)
{
    if (state() != 7) {
        lastError_ = 40006; // wrong protocol or connection state
        throw PortFault(40006);
    }
    sock_.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    sock_.flush();
}

std::vector<uint8_t> QtTcpClient::getData()
{
    if (!sock_.isOpen()) return {};
    const QByteArray all = sock_.readAll();
    return std::vector<uint8_t>(all.begin(), all.end());
}

} // namespace posmod
