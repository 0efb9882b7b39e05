#include "fakecpu/ModuleModel.h"

#include <algorithm>
#include <bit>
#include <cctype>

#include "fakecpu/PeerHex.h"
#include "support/Hex.h"

namespace posmod {

namespace {

std::string upper(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

using peerhex::hexOf;

// The module's memory areas, as offsets from its place in the CPU's address space.
constexpr uint32_t kInputShort = 0xC06010, kInputShortHigh = 0xC96010;
constexpr uint32_t kOutputShort = 0xC04010, kOutputShortHigh = 0xC94010;
constexpr uint32_t kInputLong = 0x18006010, kInputLongHigh = 0x18016010;
constexpr uint32_t kOutputLong = 0x18004010, kOutputLongHigh = 0x18014010;
// Output area: 2 spare words, error codes A-D, current values A-D (low word first),
// then the answer area of the parameter and step commands.
constexpr uint32_t kErrorAt = 4, kCurrentAt = 12, kAnswerAt = 28, kAnswerWords = 72;

} // namespace

ModuleModel::ModuleModel(ModuleFamily family) : family_(family) {}

// --- the module's items ---

uint32_t& ModuleModel::parameter(int axis, int k) { return items_[{axis, 'P', k}]; }

uint32_t& ModuleModel::stepItem(int axis, int step, int item) { return items_[{axis, 'S', step * 4 + item}]; }

uint32_t& ModuleModel::monitor(const std::string& readWord)
{
    uint32_t v = 0;
    hexOf(upper(readWord), v);
    return items_[{0, 'M', static_cast<int>(v)}];
}

uint32_t& ModuleModel::itemValue(const Item& it)
{
    return items_[{it.axis, it.kind, it.index}];
}

std::string ModuleModel::idleWord() const
{
    switch (family_) {
    case ModuleFamily::OneAxis: return "5100";
    case ModuleFamily::TwoAxis: return "1100";
    default: return "0000";
    }
}

// Command words: first digit read/write (and axis on the two-axis module), second the
// kind: F/E parameter, 9 mode and dwell, A acceleration and deceleration, B velocity,
// C target position; then the parameter number or the step.
bool ModuleModel::decode(const std::string& w, Item& it) const
{
    struct Monitor { const char* read; const char* write; int width; };
    static const Monitor oneAxis[] = {{"1800", "4DFF", 32}, {"5800", nullptr, 32}, {"5000", nullptr, 16}};
    static const Monitor twoAxis[] = {{"1800", nullptr, 32}, {"3800", nullptr, 32}, {"5800", nullptr, 32},
                                      {"7800", nullptr, 32}, {"1000", nullptr, 16}, {"3200", nullptr, 16},
                                      {"3300", nullptr, 32}};
    const bool one = family_ == ModuleFamily::OneAxis;
    for (const Monitor& m : one ? std::vector<Monitor>(std::begin(oneAxis), std::end(oneAxis))
                                : std::vector<Monitor>(std::begin(twoAxis), std::end(twoAxis))) {
        const bool isRead = w == m.read, isWrite = m.write && w == m.write;
        if (isRead || isWrite) {
            uint32_t v = 0;
            hexOf(m.read, v);
            it = Item{isWrite, 0, 'M', static_cast<int>(v), m.width};
            return true;
        }
    }
    if (w.size() != 4) return false;
    int axis = 0;
    bool write;
    if (one) {
        if (w[0] == '5') write = false;
        else if (w[0] == '4') write = true;
        else return false;
    } else {
        switch (w[0]) {
        case '1': write = false; axis = 0; break;
        case '3': write = false; axis = 1; break;
        case '4': write = true; axis = 0; break;
        case '6': write = true; axis = 1; break;
        default: return false;
        }
    }
    uint32_t n = 0;
    if (w[1] == (write ? 'E' : 'F')) {
        if (w[2] != '0' || !hexOf(w.substr(3), n) || n < 1 || n > 12) return false;
        it = Item{write, axis, 'P', static_cast<int>(n), n >= 10 ? 32 : 16};
        return true;
    }
    if (w[1] >= '9' && w[1] <= 'C') {
        if (!hexOf(w.substr(2), n)) return false;
        const int item = w[1] == '9' ? 0 : w[1] - 'A' + 1;
        it = Item{write, axis, 'S', static_cast<int>(n) * 4 + item, (item == 1 || item == 3) ? 32 : 16};
        return true;
    }
    return false;
}

// --- done flags ---

void ModuleModel::change(Flag& f, bool on, int extraLate)
{
    if (f.target == on) return;
    f.target = on;
    f.countdown = flagLate + extraLate;
}

bool ModuleModel::observe(Flag& f)
{
    if (!flagNever && f.shown != f.target) {
        if (f.countdown > 0) --f.countdown;
        else f.shown = f.target;
    }
    return f.shown;
}

// --- requests ---

CpuAnswer ModuleModel::refuse(const std::string& why)
{
    rejected.push_back(requests.back() + ": " + why);
    return CpuAnswer{errorStatus, ""};
}

bool ModuleModel::rusMatches(const std::string& rus) const { return rus == upper(remote + unit + slot); }

CpuAnswer ModuleModel::answer(const std::string& taskText)
{
    requests.push_back(taskText);
    if (errorAt.count(static_cast<int>(requests.size()))) return CpuAnswer{errorStatus, ""};
    const std::string t = upper(taskText);
    if (t == "1000" || t == "1700" || t == "1601" || t == "1600") return {};
    // An older CPU does not know the probe: its error status is the answer the tool expects.
    if (t == "A00200000001") return newCodes ? CpuAnswer{} : CpuAnswer{errorStatus, ""};
    const bool four = family_ == ModuleFamily::FourAxis;
    if (t == "7F0100" || t == "FF00000000007F0100") {
        if (!four || (t.size() > 6) != (variant == 2)) return refuse("opening of another memory form");
        return {};
    }
    if (startsWith(t, "FF00000000007F0200")) return memoryWrite(t, true);
    if (startsWith(t, "FF00000000007F00")) return memoryRead(t, true);
    if (startsWith(t, "7F0200")) return memoryWrite(t, false);
    if (startsWith(t, "7F00")) return memoryRead(t, false);
    if (t.size() >= 2) {
        const std::string code = t.substr(0, 2), body = t.substr(2);
        if (code == (newCodes ? "A5" : "45")) return registerWrite(body);
        if (code == (newCodes ? "A0" : "40")) return codeTwo(body);
        if (code == (newCodes ? "A4" : "44")) return codeThree(body);
    }
    return refuse("unknown request");
}

// Items of 12 characters: "09" "00" place register word, or the handshake reset
// "01" "0" place "4E" "0000". All are checked before any is applied.
CpuAnswer ModuleModel::registerWrite(const std::string& body)
{
    uint32_t count = 0;
    if (body.size() < 2 || !hexOf(body.substr(0, 2), count) || count == 0 || body.size() != 2 + 12 * count)
        return refuse("item count does not match");
    struct Write { int reg; uint32_t value; };
    std::vector<Write> writes;
    for (uint32_t i = 0; i < count; ++i) {
        const std::string it = body.substr(2 + 12 * i, 12);
        if (startsWith(it, "0900")) {
            uint32_t r = 0, v = 0;
            if (!rusMatches(it.substr(4, 3))) return refuse("another module's place");
            if (!hexOf(it.substr(7, 1), r) || r < 4 || r > 7) return refuse("register not writable");
            if (!hexOf(it.substr(8, 4), v)) return refuse("word not hexadecimal");
            writes.push_back({static_cast<int>(r), v});
        } else if (startsWith(it, "010")) {
            if (!rusMatches(it.substr(3, 3))) return refuse("another module's place");
            if (it.substr(6) != "4E0000") return refuse("unknown handshake item");
            writes.push_back({-1, 0});
        } else {
            return refuse("unknown item");
        }
    }
    for (const Write& w : writes) {
        if (w.reg < 0) {
            change(done_, false);
            for (Flag& f : prmDone_) change(f, false);
            for (Flag& f : stepDone_) change(f, false);
            continue;
        }
        reg[w.reg] = static_cast<uint16_t>(w.value);
        std::string why;
        if (w.reg == 4 && !command(reg[4], why)) rejected.push_back(requests.back() + ": " + why);
    }
    return {};
}

CpuAnswer ModuleModel::codeTwo(const std::string& body)
{
    const bool four = family_ == ModuleFamily::FourAxis;
    if (body == "0A00F01301" || body == "0A00F05001") {
        if (!four) return refuse("no such word");
        const bool first = body == "0A00F01301";
        std::string w = first ? probeWord1 : probeWord2;
        if (w.empty()) w = first ? (variant == 0 ? "8000" : "0800") : (variant == 1 ? "0103" : "0102");
        return CpuAnswer{0, w};
    }
    // "000" place field count: the done-flag word of a field.
    if (startsWith(body, "000") && body.size() >= 9) {
        if (!rusMatches(body.substr(3, 3))) return refuse("another module's place");
        const std::string field = body.substr(6, body.size() - 8);
        if (body.substr(body.size() - 2) != "01") return refuse("field count");
        Flag* f = nullptr;
        if (!four && field == "0E") f = &done_;
        if (four && field.size() == 2 && field[1] == 'F' && field[0] >= '0' && field[0] <= '3')
            f = &prmDone_[field[0] - '0'];
        if (!f) return refuse("no such field");
        const uint16_t v = static_cast<uint16_t>((statusNoise & ~0x0080u) | (observe(*f) ? 0x0080u : 0u));
        return CpuAnswer{0, hex4(v)};
    }
    // "0800" place first-register count: a block of registers.
    if (startsWith(body, "0800") && body.size() == 10) {
        if (!rusMatches(body.substr(4, 3))) return refuse("another module's place");
        uint32_t first = 0, count = 0;
        if (!hexOf(body.substr(7, 1), first) || !hexOf(body.substr(8, 2), count) || count == 0)
            return refuse("register block");
        std::string data;
        for (uint32_t r = first; r < first + count; ++r) {
            uint16_t v = 0;
            if (!readRegister(static_cast<int>(r), v)) return refuse("no such register");
            data += hex4(v);
        }
        return CpuAnswer{0, data};
    }
    return refuse("unknown read");
}

// Count, then items "0800" place register.
CpuAnswer ModuleModel::codeThree(const std::string& body)
{
    uint32_t count = 0;
    if (body.size() < 2 || !hexOf(body.substr(0, 2), count) || count == 0 || body.size() != 2 + 8 * count)
        return refuse("item count does not match");
    std::string data;
    for (uint32_t i = 0; i < count; ++i) {
        const std::string it = body.substr(2 + 8 * i, 8);
        uint32_t r = 0;
        uint16_t v = 0;
        if (!startsWith(it, "0800") || !rusMatches(it.substr(4, 3))) return refuse("unknown item");
        if (!hexOf(it.substr(7, 1), r) || !readRegister(static_cast<int>(r), v)) return refuse("no such register");
        data += hex4(v);
    }
    return CpuAnswer{0, data};
}

bool ModuleModel::readRegister(int r, uint16_t& v)
{
    if (r < 0 || r > 7) return false;
    if (family_ == ModuleFamily::FourAxis && r < 4) {
        v = static_cast<uint16_t>((axisStatus[r] & 0x7FFF) | (observe(stepDone_[r]) ? 0x8000 : 0));
        return true;
    }
    if (family_ != ModuleFamily::FourAxis && r < 2) {
        v = axisStatus[r];
        return true;
    }
    v = reg[r];
    return true;
}

// --- command register ---

bool ModuleModel::command(uint16_t value, std::string& why)
{
    const std::string w = hex4(value);
    return family_ == ModuleFamily::FourAxis ? fourAxisCommand(w, why) : registerCommand(w, why);
}

bool ModuleModel::registerCommand(const std::string& w, std::string& why)
{
    if (w == idleWord()) {
        change(done_, false);
        return true;
    }
    Item it{};
    if (!decode(w, it)) {
        // Not an item: a control command, which raises no done flag.
        controls.push_back(w);
        return true;
    }
    uint32_t& value = itemValue(it);
    if (!it.write) {
        reg[2] = static_cast<uint16_t>(value);
        reg[3] = it.width == 32 ? static_cast<uint16_t>(value >> 16) : 0;
    } else {
        if (it.width == 16 && reg[6] != 0) {
            why = "high word for a one-word item " + w;
            return false;
        }
        value = it.width == 32 ? (static_cast<uint32_t>(reg[6]) << 16 | reg[5]) : reg[5];
    }
    change(done_, true);
    return true;
}

// 9D0b / 8D0b read / write the parameters of axis bit b; 980m / 880m read / write step
// reg 5 of the axes of mask m; 890m teaches the current positions; 0000 withdraws.
bool ModuleModel::fourAxisCommand(const std::string& w, std::string& why)
{
    if (w == idleWord()) {
        for (Flag& f : prmDone_) change(f, false);
        for (int a = 0; a < 4; ++a) change(stepDone_[a], false, stepFlagLate[a]);
        return true;
    }
    const std::string head = w.substr(0, 3);
    uint32_t low = 0;
    hexOf(w.substr(3), low);
    if (head == "9D0" || head == "8D0") {
        if (std::popcount(low) != 1) {
            why = "not one axis " + w;
            return false;
        }
        const int axis = std::countr_zero(low);
        if (head == "9D0") {
            output_.assign(prm[axis].begin(), prm[axis].end());
        } else {
            if (input_.size() != 19) {
                why = "parameter block of " + std::to_string(input_.size()) + " words";
                return false;
            }
            std::copy(input_.begin(), input_.end(), prm[axis].begin());
        }
        change(prmDone_[axis], true);
        return true;
    }
    if (head == "980" || head == "880" || head == "890") {
        if (reg[5] > 255) {
            why = "no step " + hex4(reg[5]);
            return false;
        }
        auto& step = steps[reg[5]];
        const int axes = std::popcount(low);
        if (head == "880" && input_.size() != static_cast<std::size_t>(9 * axes)) {
            why = "step block of " + std::to_string(input_.size()) + " words for mask " + w.substr(3);
            return false;
        }
        if (head == "980") output_.clear();
        std::size_t k = 0;
        for (int a = 0; a < 4; ++a) {
            if (!(low & (1u << a))) continue;
            if (head == "980") {
                output_.insert(output_.end(), step[a].begin(), step[a].end());
            } else if (head == "880") {
                for (int i = 0; i < 9; ++i) step[a][i] = input_[k++];
            } else {
                step[a][5] = static_cast<uint16_t>(current[a]);
                step[a][6] = static_cast<uint16_t>(current[a] >> 16);
            }
            change(stepDone_[a], true, stepFlagLate[a]);
        }
        return true;
    }
    controls.push_back(w);
    return true;
}

// --- four-axis memory ---

// The module's place: slot (hexadecimal) and unit give the base of its areas; slots
// 8 and up lie in the second bank.
static void place(const std::string& slot, const std::string& unit, uint32_t& base, bool& high)
{
    uint32_t s = 0;
    hexOf(upper(slot), s);
    uint32_t u = 0;
    for (char c : unit)
        if (std::isdigit(static_cast<unsigned char>(c))) u = u * 10 + static_cast<uint32_t>(c - '0');
    high = s >= 8;
    base = (high ? s - 8 : s) * 128 + u * 1024;
}

uint32_t ModuleModel::inputArea(bool longForm) const
{
    uint32_t base;
    bool high;
    place(slot, unit, base, high);
    return base + (longForm ? (high ? kInputLongHigh : kInputLong) : (high ? kInputShortHigh : kInputShort));
}

uint32_t ModuleModel::outputArea(bool longForm) const
{
    uint32_t base;
    bool high;
    place(slot, unit, base, high);
    return base + (longForm ? (high ? kOutputLongHigh : kOutputLong) : (high ? kOutputShortHigh : kOutputShort));
}

bool ModuleModel::outputWord(uint32_t off, uint16_t& v) const
{
    if (off < kErrorAt) v = 0;
    else if (off < kCurrentAt) v = errorCode[(off - kErrorAt) / 2];
    else if (off < kAnswerAt) {
        const uint32_t i = (off - kCurrentAt) / 2;
        v = static_cast<uint16_t>(i % 2 == 0 ? current[i / 2] : current[i / 2] >> 16);
    } else if (off < kAnswerAt + 2 * kAnswerWords) {
        const uint32_t i = (off - kAnswerAt) / 2;
        v = i < output_.size() ? output_[i] : 0;
    } else {
        return false;
    }
    return true;
}

// Short: "7F00" address(8) bytes(2); long: "FF00000000007F00" address(8) words(4).
CpuAnswer ModuleModel::memoryRead(const std::string& t, bool longForm)
{
    if (family_ != ModuleFamily::FourAxis || longForm != (variant == 2)) return refuse("memory form");
    const std::size_t at = longForm ? 16 : 4, countLen = longForm ? 4 : 2;
    uint32_t addr = 0, count = 0;
    if (t.size() != at + 8 + countLen || !hexOf(t.substr(at, 8), addr) || !hexOf(t.substr(at + 8), count))
        return refuse("memory read text");
    if (!longForm) {
        if (count % 2) return refuse("odd byte count");
        count /= 2;
    }
    const uint32_t out = outputArea(longForm);
    if (addr < out || (addr - out) % 2 || count == 0) return refuse("not in the output area");
    std::string data;
    for (uint32_t i = 0; i < count; ++i) {
        uint16_t v = 0;
        if (!outputWord(addr - out + 2 * i, v)) return refuse("past the output area");
        if (static_cast<int>(count - i) > memoryShortBy) data += hex4(v);
    }
    if (memoryEcho) data = (longForm ? "FF00000000007F" : "7F") + data;
    return CpuAnswer{0, data};
}

// Short: "7F0200" address(8) bytes(2) data; long: "FF00000000007F0200" address(8) words(4) data.
CpuAnswer ModuleModel::memoryWrite(const std::string& t, bool longForm)
{
    if (family_ != ModuleFamily::FourAxis || longForm != (variant == 2)) return refuse("memory form");
    const std::size_t at = longForm ? 18 : 6, countLen = longForm ? 4 : 2;
    uint32_t addr = 0, count = 0;
    if (t.size() < at + 8 + countLen || !hexOf(t.substr(at, 8), addr) || !hexOf(t.substr(at + 8, countLen), count))
        return refuse("memory write text");
    const std::string data = t.substr(at + 8 + countLen);
    const uint32_t words = longForm ? count : count / 2;
    if ((!longForm && count % 2) || data.size() != 4u * words) return refuse("count does not match the data");
    if (addr != inputArea(longForm)) return refuse("not the input area");
    std::vector<uint16_t> in;
    for (uint32_t i = 0; i < words; ++i) {
        uint32_t v = 0;
        if (!hexOf(data.substr(4 * i, 4), v)) return refuse("data not hexadecimal");
        in.push_back(static_cast<uint16_t>(v));
    }
    input_ = std::move(in);
    return {};
}

} // namespace posmod
