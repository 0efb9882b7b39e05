#pragma once
// The seam between the controller peer and what plays the modules behind it: the peer
// asks the model for the answer to every request it receives.
#include <cstdint>
#include <string>

namespace posmod {

struct CpuAnswer {
    uint8_t status = 0;   // 0 done, anything else an error status
    std::string dataHex;  // the answer's data as hex text
};

class CpuModel {
public:
    virtual ~CpuModel() = default;
    virtual CpuAnswer answer(const std::string& taskText) = 0;
};

// Answers every request with status 0 and no data.
class PlainCpuModel : public CpuModel {
public:
    CpuAnswer answer(const std::string&) override { return {}; }
};

} // namespace posmod
