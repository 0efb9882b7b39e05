#include "platform/QtSerialPort.h"

#include <cstdlib>

#include "platform/QtRuntime.h"

namespace posmod {

namespace {
constexpr int kLineTimeoutMs = 5000;   // CTS, DSR and CD time-outs
constexpr int kLineWatchMs = 100;
} // namespace

std::string serialDeviceForPort(int n)
{
    const std::string var = "POSMOD_COM" + std::to_string(n);
    if (const char* dev = std::getenv(var.c_str()); dev && *dev) return dev;
    return "/dev/ttyS" + std::to_string(n - 1);
}

QtSerialPort::QtSerialPort(QtRuntime& rt, QObject* parent) : QObject(parent), rt_(rt)
{
    connect(&port_, &QSerialPort::readyRead, this, [this] { rt_.wake(); });
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // The device went away (pulled out: a resource error) or hung up (reads that give
        // nothing though the device is readable: read errors, over and over, which would keep
        // the event loop spinning). Closed outside the signal, once; the waits see it closed.
        if ((e == QSerialPort::ResourceError || e == QSerialPort::ReadError) && port_.isOpen() && !lost_) {
            lost_ = true;
            QMetaObject::invokeMethod(this, [this, opened = opens_] {
                if (opened == opens_) close();
                rt_.wake();
            }, Qt::QueuedConnection);
        }
    });
    lineWatch_.setInterval(kLineWatchMs);
    connect(&lineWatch_, &QTimer::timeout, this, [this] { checkTimeouts(); });
}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::setSettings(const std::string& text)
{
    settings_ = text;
    valid_ = false;
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',')
            parts.emplace_back();
        else if (c != ' ')
            parts.back() += c;
    }
    if (parts.size() != 4) return false;
    Framing f;
    if (parts[0].empty() || parts[0].size() > 7) return false;
    for (char c : parts[0])
        if (c < '0' || c > '9') return false;
    f.rate = qint32(std::stol(parts[0]));
    if (f.rate <= 0 || parts[1].size() != 1) return false;
    switch (parts[1][0] | 0x20) {
    case 'n': f.parity = QSerialPort::NoParity; break;
    case 'e': f.parity = QSerialPort::EvenParity; break;
    case 'o': f.parity = QSerialPort::OddParity; break;
    case 'm': f.parity = QSerialPort::MarkParity; break;
    case 's': f.parity = QSerialPort::SpaceParity; break;
    default: return false;
    }
    if (parts[2] == "5") f.dataBits = QSerialPort::Data5;
    else if (parts[2] == "6") f.dataBits = QSerialPort::Data6;
    else if (parts[2] == "7") f.dataBits = QSerialPort::Data7;
    else if (parts[2] == "8") f.dataBits = QSerialPort::Data8;
    else return false;
    if (parts[3] == "1") f.stopBits = QSerialPort::OneStop;
    else if (parts[3] == "1.5") f.stopBits = QSerialPort::OneAndHalfStop;
    else if (parts[3] == "2") f.stopBits = QSerialPort::TwoStop;
    else return false;
    framing_ = f;
    valid_ = true;
    if (port_.isOpen()) applyFraming();
    return true;
}

void QtSerialPort::applyFraming()
{
    // A setting the device refuses (a pseudo-terminal) is passed over.
    port_.setBaudRate(framing_.rate);
    port_.setDataBits(framing_.dataBits);
    port_.setParity(framing_.parity);
    port_.setStopBits(framing_.stopBits);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.clearError();
}

bool QtSerialPort::open()
{
    if (port_.isOpen()) return true;
    if (!valid_) return false;
    port_.setPortName(QString::fromStdString(serialDeviceForPort(commPort_)));
    if (!port_.open(QIODevice::ReadWrite)) {
        port_.clearError();
        return false;
    }
    ++opens_;
    applyFraming();
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    port_.pinoutSignals();
    linesAssumed_ = port_.error() != QSerialPort::NoError;
    port_.clearError();
    port_.clear();
    ctsLowSince_ = dsrLowSince_ = cdLowSince_ = -1;
    return true;
}

void QtSerialPort::close()
{
    lost_ = false;
    lineWatch_.stop();
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool QtSerialPort::line(QSerialPort::PinoutSignal which)
{
    if (!port_.isOpen()) return false;
    if (linesAssumed_) return true;
    const QSerialPort::PinoutSignals s = port_.pinoutSignals();
    if (port_.error() != QSerialPort::NoError) {
        port_.clearError();
        return false;
    }
    return s.testFlag(which);
}

bool QtSerialPort::ctsHolding() { return line(QSerialPort::ClearToSendSignal); }
bool QtSerialPort::dsrHolding() { return line(QSerialPort::DataSetReadySignal); }

void QtSerialPort::clearInput()
{
    if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

void QtSerialPort::clearOutput()
{
    if (port_.isOpen()) port_.clear(QSerialPort::Output);
}

int QtSerialPort::inBufferCount() { return port_.isOpen() ? int(port_.bytesAvailable()) : 0; }

std::string QtSerialPort::input()
{
    char c = 0;
    while (port_.isOpen() && port_.bytesAvailable() > 0 && port_.getChar(&c)) {
        if (c != '\0') return std::string(1, c); // NUL characters are discarded
    }
    return {};
}

void QtSerialPort::output(const std::string& bytes)
{
    if (!port_.isOpen()) return;
    port_.write(bytes.data(), qint64(bytes.size()));
    port_.flush();
    if (!linesAssumed_ && port_.bytesToWrite() > 0 && !lineWatch_.isActive()) lineWatch_.start();
}

void QtSerialPort::checkTimeouts()
{
    if (!port_.isOpen() || linesAssumed_ || port_.bytesToWrite() == 0) {
        lineWatch_.stop();
        ctsLowSince_ = dsrLowSince_ = cdLowSince_ = -1;
        return;
    }
    const QSerialPort::PinoutSignals s = port_.pinoutSignals();
    port_.clearError();
    const int64_t now = rt_.nowMs();
    struct Watch { QSerialPort::PinoutSignal sig; int64_t* since; int event; };
    for (const Watch& w : {Watch{QSerialPort::ClearToSendSignal, &ctsLowSince_, 1002},
                           Watch{QSerialPort::DataSetReadySignal, &dsrLowSince_, 1003},
                           Watch{QSerialPort::DataCarrierDetectSignal, &cdLowSince_, 1007}}) {
        if (s.testFlag(w.sig)) {
            *w.since = -1;
        } else if (*w.since < 0) {
            *w.since = now;
        } else if (now - *w.since >= kLineTimeoutMs) {
            *w.since = -1;
            rt_.wake();
            if (onComm) onComm(w.event);
            return; // the handler may have closed the port
        }
    }
}

} // namespace posmod
