#pragma once
// A serial port whose open() succeeds only for the ports listed in `usable`.
#include <set>
#include <string>
#include <vector>

#include "shared/LinkPorts.h"

namespace posmod {

class FakeProbePort : public SerialPort {
public:
    explicit FakeProbePort(std::set<int> usablePorts = {}) : usable(std::move(usablePorts)) {}

    std::set<int> usable;
    std::vector<std::string> settingsSet;  // every text given to setSettings
    std::vector<int> openTried;

    bool setSettings(const std::string& s) override {
        settingsSet.push_back(s);
        text_ = s;
        return !s.starts_with(",");
    }
    std::string settings() const override { return text_; }
    void setCommPort(int port) override { port_ = port; }
    int commPort() const override { return port_; }
    bool open() override {
        openTried.push_back(port_);
        open_ = usable.count(port_) > 0;
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool ctsHolding() override { return true; }
    bool dsrHolding() override { return true; }
    void clearInput() override {}
    void clearOutput() override {}
    int inBufferCount() override { return 0; }
    std::string input() override { return {}; }
    void output(const std::string&) override {}

private:
    std::string text_ = "9600,n,8,1";
    int port_ = 1;
    bool open_ = false;
};

} // namespace posmod
