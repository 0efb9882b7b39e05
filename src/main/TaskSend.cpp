#include "main/TaskSend.h"

#include <cstdint>

#include "main/Frames.h"
#include "main/TaskNumbers.h"
#include "shared/Conversions.h"
#include "shared/ModelTable.h"

namespace posmod {

namespace {

constexpr int kSerialPollLimit = 10;
constexpr int kEthPollLimit = 40;
constexpr int kLastRow = RegisterTable::kRows;
constexpr int kPrmWords = 19;
constexpr int kStepWords = 36;
constexpr int kStatusMemWords = 12;

bool isHexWord(const std::string& t) { return t.size() == 4 && isHexText(t); }

// A memory-write block must be whole words that its count field can state;
// anything else would write shifted data into the module.
bool blockFits(const std::string& data, bool longForm)
{
    if (data.size() % 4 != 0 || !isHexText(data)) return false;
    return longForm ? data.size() / 4 <= 0xFFFF : data.size() / 2 <= 0xFF;
}

// Axis codes of the parameter tasks.
const char* const kAxisBit[4] = {"1", "2", "4", "8"};
const char* const kAxisField[4] = {"0F", "1F", "2F", "3F"};

} // namespace

Tasks::Tasks(Public& pub, Exchange& ex, MessageSink& msg) : p_(pub), ex_(ex), msg_(msg) {}

int Tasks::TaskSend(int taskNo, int index)
{
    ex_.TaskErrorCode_Clear();
    serial_ = p_.set.LinkKind == 0;
    if (taskNo < 1 || taskNo > 11) return 0;
    lastFailed_ = false;
    // An index outside its range is refused before anything reaches the module.
    switch (taskNo) {
    case kTaskWriteRow: case kTaskReadRow:
        if (index < 1 || index > kLastRow) return 2;
        break;
    case kTaskReadAxisZ4: case kTaskWriteAxisZ4:
        if (index < 0 || index > 3) return 2;
        break;
    case kTaskReadStepZ4:
        if (index < 0 || index > kLastStep) return 2;
        break;
    default:
        break;
    }
    switch (taskNo) {
    case 1: return task1();
    case 2: return task2(index);
    case 3: return task3(index);
    case 4: return task4();
    case 5: return task5();
    case 6: return task6(index);
    case 7: return task7(index);
    case 8: return task8(index);
    case 9: return task9();
    case 10: return task10();
    default: return task11();
    }
}

// --- exchange and reply ---

bool Tasks::send(std::string text)
{
    ExchangeResult r = ex_.TaskCode_Exchange(text);
    lastFailed_ = !r.done;
    reply_ = std::move(r.reply);
    return r.done;
}

std::string Tasks::replyData() const
{
    return serial_ ? ReplyData(reply_, p_.set.R_ProcNo, p_.ReplyStatusOffset) : EthReplyData(reply_);
}

bool Tasks::lastWords(int n, std::vector<std::string>& words) const
{
    const std::string data = replyData();
    const std::size_t need = static_cast<std::size_t>(n) * 4;
    if (data.size() < need) return false;
    words.clear();
    for (std::size_t i = data.size() - need; i < data.size(); i += 4) words.push_back(data.substr(i, 4));
    return true;
}

bool Tasks::memoryWords(int n, std::vector<std::string>& words) const
{
    // Searched after the status field, so a station or serial number ending in 7
    // cannot be taken for the start of the data.
    const std::string raw = replyData();
    const std::string data = asciiUpper(raw);
    const std::size_t at = data.find("7F");
    if (at == std::string::npos) return false;
    const std::size_t first = at + 2;
    const std::size_t need = static_cast<std::size_t>(n) * 4;
    if (data.size() - first < need) return false;
    words.clear();
    for (std::size_t i = 0; i < need; i += 4) words.push_back(raw.substr(first + i, 4));
    return true;
}

// --- texts ---

std::string Tasks::rus() const { return p_.set.RusRemoteNo + p_.set.RusUnitNo + p_.set.RusSlotNo; }

std::string Tasks::RegWriteText(char reg, const std::string& word) const
{
    return p_.TaskCode1 + "01" + "09" + "00" + rus() + reg + word;
}

std::string Tasks::ClosingText() const { return p_.TaskCode1 + "0101" + "0" + rus() + "4E" + "0000"; }

std::string Tasks::StatusReadText() const { return p_.TaskCode2 + "00" + "0" + rus() + p_.ModuleField + "01"; }

std::string Tasks::StatusRead4Text() const { return p_.TaskCode2 + "08" + "00" + rus() + p_.ModuleField + "04"; }

// addrIndexShort names the short-form address (1 write area, 2 read area); the long
// form uses the entry two further on.
std::string Tasks::MemReadText(int addrIndexShort, int offset, int words) const
{
    if (longMemoryForm()) {
        const uint32_t addr = static_cast<uint32_t>(p_.set.ModuleAddr[addrIndexShort + 2]) + offset;
        return "FF00000000007F00" + hexText(addr, 8) + hexText(static_cast<uint32_t>(words), 4);
    }
    const uint32_t addr = static_cast<uint32_t>(p_.set.ModuleAddr[addrIndexShort]) + offset;
    return "7F00" + hexText(addr, 8) + hexText(static_cast<uint32_t>(words * 2), 2);
}

std::string Tasks::MemWriteText(const std::string& data) const
{
    if (longMemoryForm())
        return "FF00000000007F0200" + hexText(static_cast<uint32_t>(p_.set.ModuleAddr[3]), 8) +
               hexText(static_cast<uint32_t>(data.size() / 4), 4) + data;
    return "7F0200" + hexText(static_cast<uint32_t>(p_.set.ModuleAddr[1]), 8) +
           hexText(static_cast<uint32_t>(data.size() / 2), 2) + data;
}

// --- status poll ---

int Tasks::StatusPoll(PollForm form, bool waitSet, int mask)
{
    const int limit = serial_ ? kSerialPollLimit : kEthPollLimit;
    int k = 1;
    for (; k <= limit; ++k) {
        if (!serial_) ex_.Timer2_Wait();
        if (lastFailed_) return 2;
        if (!send(form == PollForm::OneWord ? StatusReadText() : StatusRead4Text())) return 2;
        bool met = true;
        if (form == PollForm::OneWord) {
            std::vector<std::string> w;
            if (!lastWords(1, w)) return 2;
            const int digit = hexDigitValue(w[0][2]);
            if (digit < 0) return 2;
            met = ((digit & 8) != 0) == waitSet;
        } else {
            std::vector<std::string> w;
            if (!lastWords(4, w)) return 2;
            for (int a = 0; a < 4; ++a) {
                if (!(mask & (1 << a))) continue;
                const int digit = hexDigitValue(w[a][0]);
                if (digit < 0) return 2;
                if ((digit >= 8) != waitSet) met = false;
            }
        }
        if (met) break;
    }
    // The last allowed read is still sent, but meeting the condition there is too late.
    if (k < limit) return 1;
    msg_.show("Status Register Error Occurred", MsgIcon::Critical);
    return 2;
}

// --- register tasks ---

bool Tasks::openSequence()
{
    send("1700");
    if (p_.TaskCode1 == "45") send("1601");
    return !lastFailed_;
}

int Tasks::task1()
{
    if (!openSequence()) return 2;
    const bool z4 = Model_Family(p_.ModuleType) == ModelFamily::FourAxis;
    p_.ModuleField = z4 ? "0" : "0E";
    send(RegWriteText('4', p_.InitControlWord));
    if (z4 ? StatusPoll(PollForm::FourWord, false) != 1 : StatusPoll(PollForm::OneWord, false) != 1) return 2;
    if (!z4) return 1;
    if (probeVariant() != 1) return 2;
    return send(p_.ModuleVariant == 2 ? "FF00000000007F0100" : "7F0100") ? 1 : 2;
}

int Tasks::probeVariant()
{
    std::vector<std::string> w;
    if (!send(p_.TaskCode2 + "0A00F01301")) return 2;
    if (!lastWords(1, w)) return 2;
    if (w[0][1] != '8') {
        p_.ModuleVariant = 0;
        return 1;
    }
    if (!send(p_.TaskCode2 + "0A00F05001")) return 2;
    if (!lastWords(1, w) || !isHexWord(w[0])) return 2;
    const auto value = static_cast<int16_t>(static_cast<uint16_t>(*hexValue(w[0])));
    p_.ModuleVariant = value > 0x0102 ? 1 : 2;
    return 1;
}

int Tasks::task2(int row)
{
    const RegisterTable& t = p_.reg;
    const std::string high = t.WriteDataH[row].empty() ? std::string("0000") : t.WriteDataH[row];
    if (send(p_.TaskCode1 + "02" + "0900" + rus() + "6" + high + "0900" + rus() + "5" + t.WriteData[row]))
        send(RegWriteText('4', t.WriteAddr[row]));
    if (StatusPoll(PollForm::OneWord, true) != 1) return 2;
    send(ClosingText());
    return StatusPoll(PollForm::OneWord, false);
}

int Tasks::task3(int row)
{
    RegisterTable& t = p_.reg;
    const bool written = send(RegWriteText('4', t.ReadAddr[row]));
    if (Model_Family(p_.ModuleType) == ModelFamily::OneAxis) {
        if (StatusPoll(PollForm::OneWord, true) != 1) return 2;
    } else {
        // Reading back after a failed command would store stale registers.
        if (!written) return 2;
        ex_.Wait_Ms(10);
        if (!send(p_.TaskCode3 + "03" + "0800" + rus() + "2" + "0800" + rus() + "3" + "0800" + rus() + "0"))
            return 2;
    }
    ex_.Timer4_Wait();
    if (!send(p_.TaskCode3 + "02" + "0800" + rus() + "2" + "0800" + rus() + "3")) return 2;
    std::vector<std::string> w;
    if (!lastWords(2, w)) return 2;
    t.ReadData[row] = w[0];
    if (!t.ReadDataH[row].empty()) t.ReadDataH[row] = w[1];
    send(ClosingText());
    return StatusPoll(PollForm::OneWord, false);
}

int Tasks::task4() { return send(RegWriteText('4', p_.ControlWord)) ? 1 : 2; }

int Tasks::task5()
{
    if (!openSequence()) return 2;
    std::vector<std::string> w;
    const ModelRow& model = Model_ForType(p_.ModuleType);
    if (model.family == ModelFamily::OneAxis) {
        if (!send(p_.TaskCode2 + "08" + "00" + rus() + "001") || !lastWords(1, w)) return 2;
        p_.StatusReg_Data[0] = w[0];
    } else {
        const int axes = model.axes;
        for (int k = 0; k < axes; ++k) {
            if (!send(p_.TaskCode2 + "08" + "00" + rus() + static_cast<char>('0' + k) + "01") ||
                !lastWords(1, w))
                return 2;
            p_.StatusReg_Data[k] = w[0];
        }
        if (model.family == ModelFamily::FourAxis) {
            if (probeVariant() != 1) return 2;
            if (!send(MemReadText(2, 4, kStatusMemWords)) || !lastWords(kStatusMemWords, w)) return 2;
            for (int k = 0; k < 4; ++k) {
                p_.ErrorCode_Data[k] = w[k];
                p_.CurrentValue_Data[k] = w[5 + 2 * k] + w[4 + 2 * k];
            }
        }
    }
    if (p_.TaskCode1 == "45") {
        send("1600");
        send("1600");
    }
    return 1;
}

// --- four-axis tasks ---

int Tasks::task6(int axis)
{
    p_.ModuleField = kAxisField[axis];
    send(RegWriteText('4', std::string("9D0") + kAxisBit[axis]));
    if (StatusPoll(PollForm::OneWord, true) != 1) return 2;
    ex_.Timer4_Wait();
    std::vector<std::string> w;
    if (!send(MemReadText(2, 28, kPrmWords)) || !memoryWords(kPrmWords, w)) return 2;
    for (int i = 0; i < kPrmWords; ++i) p_.Z4PrmData[axis][i].Word = w[i];
    send(RegWriteText('4', p_.InitControlWord));
    return StatusPoll(PollForm::OneWord, false);
}

int Tasks::task7(int step)
{
    if (send(RegWriteText('5', hexText(static_cast<uint32_t>(step), 4)))) send(RegWriteText('4', "980F"));
    p_.ModuleField = "0";
    if (StatusPoll(PollForm::FourWord, true) != 1) return 2;
    ex_.Timer4_Wait();
    std::vector<std::string> w;
    if (!send(MemReadText(2, 28, kStepWords)) || !memoryWords(kStepWords, w)) return 2;
    for (int a = 0; a < 4; ++a)
        for (int i = 0; i < 9; ++i) p_.Z4AutoData[step][a][i].Word = w[9 * a + i];
    send(RegWriteText('4', p_.InitControlWord));
    return StatusPoll(PollForm::FourWord, false);
}

int Tasks::task8(int axis)
{
    std::string data;
    for (const std::string& word : p_.Z4PrmAxis[axis].Word) {
        // The count says 19 words: a missing or malformed one would shift the rest.
        if (!isHexWord(word)) return 2;
        data += word;
    }
    p_.ModuleField = kAxisField[axis];
    if (!send(MemWriteText(data))) return 2;
    send(RegWriteText('4', std::string("8D0") + kAxisBit[axis]));
    if (StatusPoll(PollForm::OneWord, true) != 1) return 2;
    send(RegWriteText('4', p_.InitControlWord));
    return StatusPoll(PollForm::OneWord, false);
}

int Tasks::task9() { return stepCommand(true); }

int Tasks::task11() { return stepCommand(false); }

// Step write (with the data block first) and teaching share the handshake over the axis mask.
int Tasks::stepCommand(bool withMemoryWrite)
{
    const std::string& cmd = p_.Z4StepCmd;
    // The mask decides which axes are waited on; without one the wait would be met at once.
    if (cmd.empty() || hexDigitValue(cmd.back()) < 0) return 2;
    if (withMemoryWrite) {
        if (!blockFits(p_.Z4StepData, longMemoryForm())) return 2;
        if (!send(MemWriteText(p_.Z4StepData))) return 2;
    }
    if (send(RegWriteText('5', p_.Z4StepNo))) send(RegWriteText('4', cmd));
    const int mask = hexDigitValue(cmd.back());
    p_.ModuleField = "0";
    if (StatusPoll(PollForm::FourWord, true, mask) != 1) return 2;
    send(RegWriteText('4', p_.InitControlWord));
    return StatusPoll(PollForm::FourWord, false, mask);
}

int Tasks::task10()
{
    switch (p_.Z4CommandIndex) {
    case 3: case 6: case 7:
        if (!send(RegWriteText('5', p_.Z4SubData1))) return 2;
        break;
    case 8: case 9: case 10:
        if (!blockFits(p_.Z4DataBlock, longMemoryForm())) return 2;
        if (!send(MemWriteText(p_.Z4DataBlock))) return 2;
        break;
    case 11:
        if (!send(p_.TaskCode1 + "0309" + "00" + rus() + "5" + p_.Z4SubData1 + "09" + "00" + rus() + "6" +
                  p_.Z4SubData2 + "09" + "00" + rus() + "7" + p_.Z4SubData3))
            return 2;
        break;
    default:
        break;
    }
    return send(RegWriteText('4', p_.ControlWord)) ? 1 : 2;
}

void Zr4Data_Clear(Public& p)
{
    for (auto& axis : p.Z4PrmData)
        for (auto& w : axis) w.Word.clear(), w.SetWord.clear();
    for (auto& step : p.Z4AutoData)
        for (auto& axis : step)
            for (auto& w : axis) w.Word.clear(), w.SetWord.clear();
}

} // namespace posmod
