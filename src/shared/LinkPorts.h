#pragma once
// What the link needs of the serial port and of the TCP client. The program
// implements these on QSerialPort and QTcpSocket (src/platform); tests use fakes.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace posmod {

// A platform error raised by a port or socket call, with the control's error number
// (Winsock numbering: 40006 wrong state, 40020 invalid operation, ...).
struct PortFault : std::runtime_error {
    explicit PortFault(int n) : std::runtime_error("port fault " + std::to_string(n)), number(n) {}
    int number;
};

// In place of the serial communications control. Port n is COMn.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // "19200,e,7,1": rate, parity, data bits, stop bits. Returns false when the text is unusable
    // (the port then refuses to open).
    virtual bool setSettings(const std::string& settings) = 0;
    virtual std::string settings() const = 0;
    virtual void setCommPort(int port) = 0;
    virtual int commPort() const = 0;
    // PortOpen = True / False. open() returns false when the device could not be opened.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Modem lines; a device that cannot report them counts them as held.
    virtual bool ctsHolding() = 0;
    virtual bool dsrHolding() = 0;
    // InBufferCount = 0 / OutBufferCount = 0.
    virtual void clearInput() = 0;
    virtual void clearOutput() = 0;
    virtual int inBufferCount() = 0;
    // Input with InputLen = 1: at most one character, empty when none waits.
    virtual std::string input() = 0;
    virtual void output(const std::string& bytes) = 0;
    // CommEvent codes of the time-out events: 1002 CTS, 1003 DSR, 1007 CD.
    std::function<void(int commEvent)> onComm;
};

// In place of the TCP socket control, client only.
class TcpClient {
public:
    virtual ~TcpClient() = default;
    virtual void connectTo(const std::string& host, int port) = 0;
    // 0 closed, 7 connected, anything else in between.
    virtual int state() const = 0;
    virtual void close() = 0;
    virtual void sendData(const std::vector<uint8_t>& bytes) = 0;
    // Takes every byte that has arrived.
    virtual std::vector<uint8_t> getData() = 0;
    // Last platform error number, 0 when none was raised.
    virtual int lastError() const = 0;
    // Raised when data has arrived, with the number of bytes waiting.
    std::function<void(int bytesTotal)> onDataArrival;
};

} // namespace posmod
