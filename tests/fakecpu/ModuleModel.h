#pragma once
// A positioning module behind the controller CPU, as the peer plays it: registers 0-7,
// the command register 4 with its done flag, the parameter items and 256-step tables of
// the one-axis and two-axis modules, and the four-axis module's memory areas.
//
// Command words are decoded here from the module's own point of view (read/write and
// axis in the first digit, the item in the rest), never through the tool's register
// table, so that a wrong table entry lands on the wrong item and shows up.
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "fakecpu/CpuModel.h"

namespace posmod {

enum class ModuleFamily { OneAxis, TwoAxis, FourAxis };

class ModuleModel : public CpuModel {
public:
    explicit ModuleModel(ModuleFamily family);

    CpuAnswer answer(const std::string& taskText) override;

    // --- identity ---
    std::string remote = "0", unit = "0", slot = "0"; // the module's place; texts for another are refused
    bool newCodes = true;   // the CPU takes "A5"/"A0"/"A4" and answers the code-set probe
    int variant = 0;        // four-axis: 0, 1 short memory texts, 2 long ones
    // Answers to the two variant probes; empty = what the variant calls for.
    std::string probeWord1, probeWord2;

    // --- knobs ---
    int flagLate = 0;        // every change of a done flag shows only after this many reads of it
    bool flagNever = false;  // the done flags never change
    std::array<int, 4> stepFlagLate{}; // four-axis: further reads before an axis's step flag changes
    std::set<int> errorAt;   // request numbers (1-based) answered with errorStatus, without effect
    uint8_t errorStatus = 0x51;
    int memoryShortBy = 0;   // words left off the end of every memory-read answer
    bool memoryEcho = true;  // memory-read answers start with the "7F" of the request
    uint16_t statusNoise = 0; // other bits of the done-flag words (bit 7 is the flag)

    // --- module contents (one-/two-axis items: value, 16 or 32 bits) ---
    uint32_t& parameter(int axis, int k);              // k = 1..12
    uint32_t& stepItem(int axis, int step, int item);  // item 0 mode, 1 acc/dec, 2 velocity, 3 target
    uint32_t& monitor(const std::string& readWord);    // the read-only words
    std::array<uint16_t, 4> axisStatus{};              // status word of each axis (bit 15 of the
                                                       // four-axis words is the step flag)
    std::array<uint16_t, 8> reg{};                     // registers as last written or loaded
    // Four-axis.
    std::array<std::array<uint16_t, 19>, 4> prm{};
    std::vector<std::array<std::array<uint16_t, 9>, 4>> steps =
        std::vector<std::array<std::array<uint16_t, 9>, 4>>(256);
    std::array<uint16_t, 4> errorCode{};
    std::array<uint32_t, 4> current{};
    std::vector<std::string> controls; // command words that name no item (control commands)

    // --- what happened ---
    std::vector<std::string> requests; // every task text, as received
    std::vector<std::string> rejected; // texts refused, with the reason

    // The memory areas of this module in the long or short address space (from its place).
    uint32_t inputArea(bool longForm) const;
    uint32_t outputArea(bool longForm) const;

private:
    struct Flag {
        bool shown = false, target = false;
        int countdown = 0;
    };
    struct Item {
        bool write;
        int axis;
        char kind; // 'P' parameter, 'S' step item, 'M' monitor word
        int index;
        int width; // 16 or 32
    };

    CpuAnswer refuse(const std::string& why);
    CpuAnswer registerWrite(const std::string& body);
    CpuAnswer codeTwo(const std::string& body);
    CpuAnswer codeThree(const std::string& body);
    CpuAnswer memoryRead(const std::string& text, bool longForm);
    CpuAnswer memoryWrite(const std::string& text, bool longForm);
    bool command(uint16_t word, std::string& why);
    bool registerCommand(const std::string& word, std::string& why);
    bool fourAxisCommand(const std::string& word, std::string& why);
    bool decode(const std::string& word, Item& item) const;
    uint32_t& itemValue(const Item& item);
    bool readRegister(int r, uint16_t& value);
    bool outputWord(uint32_t offset, uint16_t& value) const;
    void change(Flag& f, bool on, int extraLate = 0);
    bool observe(Flag& f);
    bool rusMatches(const std::string& rus) const;
    std::string idleWord() const;

    ModuleFamily family_;
    std::map<std::tuple<int, char, int>, uint32_t> items_;
    Flag done_;                      // one-/two-axis command done
    std::array<Flag, 4> prmDone_{};  // four-axis parameter command done, per axis
    std::array<Flag, 4> stepDone_{}; // four-axis step command done, per axis
    std::vector<uint16_t> input_;    // four-axis input area as last written
    std::vector<uint16_t> output_;   // four-axis answer area (parameters or step words)
};

} // namespace posmod
