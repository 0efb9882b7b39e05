#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/ModelTable.h"
#include "shared/Conversions.h"
#include "shared/FakeProbePort.h"
#include "shared/SettingsFile.h"
#include "support/FakeFiles.h"

using namespace posmod;
namespace fs = std::filesystem;

namespace {

// The settings fields by name, as text, so cases can list what they expect.
std::string field(const Settings& s, const std::string& name) {
    const std::map<std::string, std::string> f = {
        {"S_Setting", std::to_string(s.S_Setting)},
        {"ModuleNoIni", std::to_string(s.ModuleNoIni)},
        {"R_LpStat", std::to_string(s.R_LpStat)},
        {"R_LoopNo", s.R_LoopNo},
        {"R_LinkStNo", s.R_LinkStNo},
        {"R_LpAddr", s.R_LpAddr},
        {"R_StatFlag", std::to_string(s.R_StatFlag)},
        {"R_StatNo", s.R_StatNo},
        {"R_ProcNo", std::to_string(s.R_ProcNo)},
        {"R_PortNo", std::to_string(s.R_PortNo)},
        {"R_RateNo", s.R_RateNo},
        {"Rus", s.RusRemoteNo + "|" + s.RusUnitNo + "|" + s.RusSlotNo},
        {"LinkKind", std::to_string(s.LinkKind)},
        {"L_IpAddr", s.L_IpAddr},
        {"L_IpDec", s.L_IpDec1 + "|" + s.L_IpDec2 + "|" + s.L_IpDec3 + "|" + s.L_IpDec4},
        {"L_IpHex", s.L_IpHexU + "|" + s.L_IpHexL},
        {"L_PortNo", s.L_PortNo},
        {"L_PortHex", s.L_PortHex},
        {"L_LpStat", std::to_string(s.L_LpStat)},
        {"L_LoopNo", s.L_LoopNo},
        {"L_LinkStNo", s.L_LinkStNo},
        {"L_LpAddr", s.L_LpAddr},
        {"L_SeriNo", s.L_SeriNo},
        {"L_StatFlag", std::to_string(s.L_StatFlag)},
        {"L_StatNo", s.L_StatNo},
        {"Axis", s.AxisName[0] + "|" + s.AxisName[1] + "|" + s.AxisName[2] + "|" + s.AxisName[3]},
    };
    auto it = f.find(name);
    return it == f.end() ? "<no field " + name + ">" : it->second;
}

using Expect = std::vector<std::pair<std::string, std::string>>;

// What the defaults install (with no port usable, COM1).
const Expect kDefaults = {
    {"R_LpStat", "0"}, {"R_LoopNo", "0"}, {"R_LinkStNo", "0"}, {"R_LpAddr", "FFFF"},
    {"R_StatFlag", "0"}, {"R_StatNo", ""}, {"R_ProcNo", "1"}, {"R_RateNo", "19200"}, {"Rus", "0|0|0"},
    {"L_LpStat", "0"}, {"L_LoopNo", "0"}, {"L_LinkStNo", "0"}, {"L_LpAddr", "FFFF"}, {"L_SeriNo", "00"},
    {"L_StatFlag", "0"}, {"L_StatNo", ""}, {"R_PortNo", "1"}, {"L_IpAddr", kExampleIpAddress},
    {"L_IpDec", "192|168|0|1"}, {"L_IpHex", "C0A8|0001"}, {"L_PortNo", "3004"}, {"L_PortHex", "0BBC"},
    {"LinkKind", "0"},
};

void expectFields(const Settings& s, const Expect& want) {
    for (const auto& [name, value] : want) EXPECT_EQ(field(s, name), value) << name;
}

struct ReadCase {
    const char* name;
    std::string file;
    bool ok;
    Expect want;
};

const ReadCase kReadCases[] = {
    {"OnlyLinkChoiceNoDefaults", "S_SETTING=1", true,
     {{"S_Setting", "1"}, {"R_RateNo", ""}, {"R_LpAddr", ""}, {"R_PortNo", "0"}, {"L_PortNo", ""}, {"Rus", "||"}}},
    {"LinkChoice", "S_SETTING=0\r\n", true, {{"S_Setting", "0"}}},
    {"LinkChoiceOther", "S_SETTING=x\r\n", true, {{"S_Setting", "1"}}},
    {"ModelOutOfRange", "MODULE_NO=7", true, {{"ModuleNoIni", "0"}}},
    {"ModelFirstCharacter", "MODULE_NO=12", true, {{"ModuleNoIni", "1"}}},
    {"LowerCaseKey", "module_no=4", true, {{"ModuleNoIni", "4"}}},
    {"BlanksAroundEqualsNoKey", "MODULE_NO = 3\r\nS_SETTING =1", true, {{"ModuleNoIni", "0"}, {"S_Setting", "0"}}},
    {"LoopTwoDigits", "R_LP_STAT=2.12", true,
     {{"R_LpStat", "1"}, {"R_LoopNo", "2"}, {"R_LinkStNo", "12"}, {"R_LpAddr", "020C"}}},
    {"LoopOneDigit", "R_LP_STAT=1.5", true, {{"R_LinkStNo", "5"}, {"R_LpAddr", "0105"}}},
    {"LoopNoop", "R_LP_STAT=noop", true,
     {{"R_LpStat", "0"}, {"R_LoopNo", "0"}, {"R_LinkStNo", "0"}, {"R_LpAddr", "FFFF"}}},
    {"LoopWideCharacter", "R_LP_STAT=\xC3\xA9.12", true, {{"R_LoopNo", "\xC3\xA9"}, {"R_LinkStNo", "12"}}},
    {"EthernetLoop", "L_LP_STAT=3.10", true, {{"L_LpStat", "1"}, {"L_LpAddr", "030A"}, {"R_LpAddr", ""}}},
    {"PortNine", "R_PORT_NO=COM3\r\nR_PORT_NO=COM9", true, {{"R_PortNo", "3"}}},
    {"PortFourCharacters", "R_PORT_NO=COM12", true, {{"R_PortNo", "1"}}},
    {"PortLowerCase", "r_port_no=com8", true, {{"R_PortNo", "8"}}},
    {"Rate", "R_RATE_NO=9600", true, {{"R_RateNo", "9600"}}},
    {"UnusableRateKeptAndReadingGoesOn", "R_RATE_NO=abc\r\nR_PROC_NO=1", true, {{"R_RateNo", "abc"}, {"R_ProcNo", "1"}}},
    {"ProcedureTwo", "R_PROC_NO=12", true, {{"R_ProcNo", "2"}}},
    {"Station", "R_STAT_NO=05", true, {{"R_StatFlag", "1"}, {"R_StatNo", "05"}}},
    {"StationNoop", "R_STAT_NO=05\r\nR_STAT_NO=NOOP", true, {{"R_StatFlag", "0"}, {"R_StatNo", ""}}},
    {"EthernetStationLowerN", "L_STAT_NO=n", true, {{"L_StatFlag", "0"}}},
    {"RusTwoParts", "R_RUSS_NO=1.2", true, {{"Rus", "1|2|"}}},
    {"RusThreeParts", "R_RUSS_NO=1.2.A", true, {{"Rus", "1|2|A"}}},
    {"RusFourPartsFails", "R_RUSS_NO=1.2.3.4", false, kDefaults},
    {"Address", "L_PORT_NO=5000\r\nL_IPAD_NO=10.0.300.1", true,
     {{"L_IpAddr", "10.0.300.1"}, {"L_IpDec", "10|0|300|1"}, {"L_IpHex", "0A00|2C01"}, {"L_PortHex", "1388"}}},
    {"AddressBeforePort", "L_IPAD_NO=10.1.2.3\r\nL_PORT_NO=5000", true,
     {{"L_PortHex", "0000"}, {"L_PortNo", "5000"}, {"L_IpHex", "0A01|0203"}}},
    {"AddressShortAndNonNumeric", "L_IPAD_NO=a.7", true, {{"L_IpDec", "a|7||"}, {"L_IpHex", "0007|0000"}}},
    {"AddressFiveParts", "L_IPAD_NO=1.2.3.4.5", false, kDefaults},
    {"OctetTooLarge", "L_IPAD_NO=1.99999999999999999999.3.4", false, kDefaults},
    {"PortTooLarge", "L_PORT_NO=99999999999999999999\r\nL_IPAD_NO=1.2.3.4", false, kDefaults},
    {"LargeButConvertible", "L_PORT_NO=4294967296\r\nL_IPAD_NO=4294967297.0.0.0", true,
     {{"L_PortHex", "0000"}, {"L_IpHex", "0100|0000"}}},
    {"Serial", "L_SERI_NO=1A", true, {{"L_SeriNo", "1A"}}},
    {"AxisNames", "AX_NAME_A=X axis\r\nax_name_d=Last\r\nAX_NAME_E=no", true, {{"Axis", "X axis|||Last"}}},
    {"LaterLineWins", "AX_NAME_B=one\r\nAX_NAME_B=two", true, {{"Axis", "|two||"}}},
    {"LineEndsAndMark", "\xEF\xBB\xBFS_SETTING=1\rMODULE_NO=3\nAX_NAME_A=a\r\nAX_NAME_B=b", true,
     {{"S_Setting", "1"}, {"ModuleNoIni", "3"}, {"Axis", "a|b||"}}},
    // A line that is not UTF-8 is CP932 (full-width A, a CJK character, a katakana whose
    // second byte is a backslash); a stray byte in one line leaves the others as they are.
    {"Cp932Value", "AX_NAME_A=\x82\x60\x8E\xB2\x83\x5C", true,
     {{"Axis", "\xEF\xBC\xA1\xE8\xBB\xB8\xE3\x82\xBD|||"}}},
    {"StrayByteStaysInItsLine", "AX_NAME_A=\xC3\xA9\r\nAX_NAME_B=x\xFFy\r\nAX_NAME_C=\x82\x60", true,
     {{"Axis", "\xC3\xA9|x\xEF\xBF\xBDy|\xEF\xBC\xA1|"}}},
    {"MarkersIgnored", "****RS_232C****\r\n\r\n****Axis Name****\r\nAX_NAME_C=c", true, {{"Axis", "||c|"}}},
    {"FailingLineKeepsEarlierValues",
     "S_SETTING=1\r\nMODULE_NO=2\r\nAX_NAME_A=kept\r\nR_RATE_NO=4800\r\nR_RUSS_NO=1.2.3.4\r\nAX_NAME_B=never", false,
     [] {
         Expect e = kDefaults;
         e.insert(e.end(), {{"S_Setting", "1"}, {"ModuleNoIni", "2"}, {"Axis", "kept|||"}});
         return e;
     }()},
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class SettingsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsRead, LineByLine) {
    const ReadCase& c = GetParam();
    Settings s;
    FakeProbePort comm;
    EXPECT_EQ(readSettingsText(s, c.file, comm), c.ok);
    expectFields(s, c.want);
}

INSTANTIATE_TEST_SUITE_P(Lines, SettingsRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsRead, RateSetsSerialSettings) {
    Settings s;
    FakeProbePort comm;
    readSettingsText(s, "R_RATE_NO=9600\r\nR_RATE_NO=abc", comm);
    EXPECT_EQ(comm.settingsSet, (std::vector<std::string>{"9600,e,7,1", "abc,e,7,1"}));
}

// A per-test folder, removed afterwards.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("posmod_settings_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "Setting.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    static void put(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    fs::path dir;
    std::string path;
};

TEST_F(SettingsFileTest, MissingFileProbesForThePort) {
    const struct { std::set<int> usable; int port; std::array<int, 8> ng; } cases[] = {
        {{}, 1, {0, 1, 1, 1, 1, 1, 1, 1}},  // none opens: COM1 all the same
        {{3, 5}, 3, {1, 1, 0, 1, 0, 1, 1, 1}},
        {{1, 2, 3, 4, 5, 6, 7, 8}, 1, {0, 0, 0, 0, 0, 0, 0, 0}},
        {{8}, 8, {1, 1, 1, 1, 1, 1, 1, 0}},
    };
    for (const auto& c : cases) {
        Settings s;
        s.S_Setting = 1;
        s.ModuleNoIni = 3;
        s.AxisName = {"a", "b", "c", "d"};
        FakeProbePort comm(c.usable);
        EXPECT_FALSE(Setting_ReadSub(s, path, comm));
        Expect want = kDefaults;
        want.erase(std::remove_if(want.begin(), want.end(), [](auto& p) { return p.first == "R_PortNo"; }), want.end());
        want.insert(want.end(), {{"S_Setting", "1"}, {"ModuleNoIni", "3"}, {"Axis", "a|b|c|d"}});
        expectFields(s, want);
        EXPECT_EQ(s.R_PortNo, c.port);
        EXPECT_EQ(s.ComPortNg, c.ng);
        EXPECT_EQ(comm.openTried, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_FALSE(comm.isOpen());
    }
}

TEST_F(SettingsFileTest, ProbeDoesNotUseABrokenRate) {
    put(path, "R_RATE_NO=\r\nR_RUSS_NO=1.2.3.4\r\n");
    Settings s;
    FakeProbePort comm({2});
    EXPECT_FALSE(Setting_ReadSub(s, path, comm));
    EXPECT_EQ(comm.settings(), "19200,e,7,1");
    EXPECT_EQ(s.R_PortNo, 2);
}

// Only a regular file of at most 1 MiB is read; anything else is a reading failure, and
// nothing that is not a file is ever opened (a FIFO would block the start for good).
TEST_F(SettingsFileTest, OnlyABoundedRegularFileIsRead) {
    const std::string big = "AX_NAME_A=" + std::string(kSettingsFileMaxBytes - 12, 'x') + "\r\n";
    const struct { const char* name; void (*make)(const std::string& path); bool ok; } cases[] = {
        {"Folder", [](const std::string& p) { fs::create_directory(p); }, false},
        {"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false},
        {"LinkToZero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }, false},
        {"LinkToFifo", [](const std::string& p) {
             ASSERT_EQ(::mkfifo((p + ".fifo").c_str(), 0600), 0);
             fs::create_symlink(p + ".fifo", p);
         }, false},
        {"DanglingLink", [](const std::string& p) { fs::create_symlink(p + ".gone", p); }, false},
        {"LinkToFile", [](const std::string& p) {
             put(p + ".real", "AX_NAME_A=linked\r\n");
             fs::create_symlink(p + ".real", p);
         }, true},
        {"OneByteTooLarge", [](const std::string& p) {
             put(p, "AX_NAME_A=" + std::string(kSettingsFileMaxBytes - 10 + 1, 'x'));
         }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        c.make(path);
        Settings s;
        FakeProbePort comm;
        EXPECT_EQ(Setting_ReadSub(s, path, comm), c.ok);
        EXPECT_EQ(s.R_RateNo, c.ok ? "" : "19200");
        if (c.ok) {
            EXPECT_EQ(s.AxisName[0], "linked");
        }
    }
    put(path, big);
    ASSERT_EQ(fs::file_size(path), kSettingsFileMaxBytes);
    Settings s;
    FakeProbePort comm;
    EXPECT_TRUE(Setting_ReadSub(s, path, comm));
    EXPECT_EQ(s.AxisName[0].size(), kSettingsFileMaxBytes - 12);
}

TEST(SettingsWrite, TwentyLines) {
    Settings s;
    s.R_LpStat = 1;
    s.R_LoopNo = "2";
    s.R_LinkStNo = "12";
    s.R_PortNo = 4;
    s.R_RateNo = "9600";
    s.R_ProcNo = 1;
    s.R_StatFlag = 1;
    s.R_StatNo = "05";
    s.RusRemoteNo = "1";
    s.RusUnitNo = "2";
    s.RusSlotNo = "A";
    s.L_LpStat = 0;
    s.L_PortNo = "3004";
    s.L_IpAddr = "192.168.0.1";
    s.L_StatFlag = 0;
    s.L_StatNo = "ignored";
    s.L_SeriNo = "00";
    s.AxisName = {"X axis", "Y axis", "", ""};
    EXPECT_EQ(settingsText(s, true, "VELTA-7W"),
              "S_SETTING=0\r\n"
              "MODULE_NO=2\r\n"
              "****RS_232C****\r\n"
              "R_LP_STAT=2.12\r\n"
              "R_PORT_NO=COM4\r\n"
              "R_RATE_NO=9600\r\n"
              "R_PROC_NO=1\r\n"
              "R_STAT_NO=05\r\n"
              "R_RUSS_NO=1.2.A\r\n"
              "****NEX_KOR****\r\n"
              "L_LP_STAT=NOOP\r\n"
              "L_PORT_NO=3004\r\n"
              "L_IPAD_NO=192.168.0.1\r\n"
              "L_STAT_NO=NOOP\r\n"
              "L_SERI_NO=00\r\n"
              "****Axis Name****\r\n"
              "AX_NAME_A=X axis\r\n"
              "AX_NAME_B=Y axis\r\n"
              "AX_NAME_C=\r\n"
              "AX_NAME_D=\r\n");
}

// The line of the text that starts with key.
std::string lineOf(const std::string& text, const std::string& key) {
    const auto at = text.find(key);
    if (at == std::string::npos) return "<missing " + key + ">";
    return text.substr(at, text.find("\r\n", at) - at);
}

TEST(SettingsWrite, LineRules) {
    const struct { const char* name; void (*set)(Settings&); bool rs232c; const char* combo; std::string line; } cases[] = {
        {"Ethernet", [](Settings&) {}, false, "JV-ZR", "S_SETTING=1"},
        {"ModelCaseBlind", [](Settings&) {}, true, "jv-zr4", "MODULE_NO=1"},
        {"ModelK7W", [](Settings&) {}, true, "VELTAK7W", "MODULE_NO=3"},
        {"ModelZRH", [](Settings&) {}, true, "zrh", "MODULE_NO=4"},
        {"ModelUnknown", [](Settings&) {}, true, "JV", "MODULE_NO=0"},
        {"PortNone", [](Settings& s) { s.R_PortNo = 0; }, true, "", "R_PORT_NO="},
        {"PortNine", [](Settings& s) { s.R_PortNo = 9; }, true, "", "R_PORT_NO="},
        {"PortEight", [](Settings& s) { s.R_PortNo = 8; }, true, "", "R_PORT_NO=COM8"},
        {"ProcedureOther", [](Settings& s) { s.R_ProcNo = 0; }, true, "", "R_PROC_NO=2"},
        {"NoRate", [](Settings&) {}, true, "", "R_RATE_NO="},
        {"RStationNoop", [](Settings& s) { s.R_StatNo = "x"; }, true, "", "R_STAT_NO=NOOP"},
        {"LLoop", [](Settings& s) { s.L_LpStat = 1; s.L_LoopNo = "3"; s.L_LinkStNo = "7"; }, true, "", "L_LP_STAT=3.7"},
        {"LStation", [](Settings& s) { s.L_StatFlag = 1; s.L_StatNo = "10"; }, true, "", "L_STAT_NO=10"},
        {"ControlCharactersBlank", [](Settings& s) { s.AxisName[0] = "a\r\nb\tc\x7f" "d\xC2\x85" "e"; }, true, "",
         "AX_NAME_A=a  b c d\xC2\x85" "e"},
        {"WideCharactersKept", [](Settings& s) { s.AxisName[1] = "\xE6\x97\xA5\xC3\xA9"; }, true, "",
         "AX_NAME_B=\xE6\x97\xA5\xC3\xA9"},
    };
    for (const auto& c : cases) {
        Settings s;
        c.set(s);
        const std::string text = settingsText(s, c.rs232c, c.combo);
        const std::string key = std::string(c.line).substr(0, 10);
        EXPECT_EQ(lineOf(text, key), c.line) << c.name;
        EXPECT_EQ(splitLines(text).size(), 20u) << c.name;  // no value breaks a line
        EXPECT_TRUE(text.ends_with("\r\n")) << c.name;
    }
}

// The 20 lines of a file in the writer's order with the given values (a key line left out
// when its value is nullptr).
std::string twentyLines(const std::map<std::string, const char*>& values) {
    const char* lines[] = {"S_SETTING=", "MODULE_NO=", "****RS_232C****", "R_LP_STAT=", "R_PORT_NO=",
                           "R_RATE_NO=", "R_PROC_NO=", "R_STAT_NO=", "R_RUSS_NO=", "****NEX_KOR****",
                           "L_LP_STAT=", "L_PORT_NO=", "L_IPAD_NO=", "L_STAT_NO=", "L_SERI_NO=",
                           "****Axis Name****", "AX_NAME_A=", "AX_NAME_B=", "AX_NAME_C=", "AX_NAME_D="};
    const std::map<std::string, const char*> plain = {
        {"S_SETTING=", "1"}, {"MODULE_NO=", "1"}, {"R_LP_STAT=", "NOOP"}, {"R_PORT_NO=", "COM2"},
        {"R_RATE_NO=", "9600"}, {"R_PROC_NO=", "1"}, {"R_STAT_NO=", "NOOP"}, {"R_RUSS_NO=", "0.1.2"},
        {"L_LP_STAT=", "NOOP"}, {"L_PORT_NO=", "3004"}, {"L_IPAD_NO=", "10.0.0.5"}, {"L_STAT_NO=", "NOOP"},
        {"L_SERI_NO=", "00"}, {"AX_NAME_A=", "Alpha"}, {"AX_NAME_B=", "Beta"}, {"AX_NAME_C=", ""},
        {"AX_NAME_D=", ""}};
    std::string out;
    for (const std::string line : lines) {
        if (line.starts_with("*")) {
            out += line + "\r\n";
            continue;
        }
        auto given = values.find(line);
        const char* value = given != values.end() ? given->second : plain.at(line);
        if (value) out += line + value + "\r\n";
    }
    return out;
}

// Full-width A and a CJK character in CP932, and in UTF-8.
const char* const kCp932Name = "\x82\x60\x8E\xB2";
const char* const kUtf8Name = "\xEF\xBC\xA1\xE8\xBB\xB8";

std::string writtenBack(const Settings& s) {
    return settingsText(s, s.S_Setting == 0, kModelTable[static_cast<std::size_t>(s.ModuleNoIni)].text);
}

// Read and written again with nothing changed, a file comes back byte for byte, whatever
// its encoding and whatever the writer would have made of a value on its own.
TEST(SettingsWriteBack, UnchangedFileComesBackByteForByte) {
    const struct { const char* name; std::string file; } cases[] = {
        {"Plain", twentyLines({})},
        {"Cp932", twentyLines({{"AX_NAME_A=", kCp932Name},
                               {"AX_NAME_B=", "\x83\x5C\x95\x5C"},      // second bytes are backslashes
                               {"AX_NAME_C=", "\xED\x40\xFA\x5C"},      // two codes of one character
                               {"AX_NAME_D=", "\xB1\xB2"}})},           // half-width katakana
        {"Utf8", twentyLines({{"AX_NAME_A=", kUtf8Name}, {"AX_NAME_B=", "\xC3\xA9t\xC3\xA9"}})},
        {"MixedByLine", twentyLines({{"AX_NAME_A=", kCp932Name}, {"AX_NAME_B=", kUtf8Name},
                                     {"AX_NAME_C=", "x\xFFy"}, {"R_RATE_NO=", "96\x82"}})},
        {"ByteOrderMark", "\xEF\xBB\xBF" + twentyLines({{"AX_NAME_A=", kUtf8Name}})},
        {"ControlCharactersNobodyEntered", twentyLines({{"AX_NAME_A=", "a\tb\x7F" "c\x01"}})},
        {"ValuesTheWriterWouldSpellOtherwise",
         twentyLines({{"S_SETTING=", "x"}, {"MODULE_NO=", "12"}, {"R_LP_STAT=", "2x12"}, {"R_PORT_NO=", "com4"},
                      {"R_PROC_NO=", "12"}, {"R_STAT_NO=", "noop"}, {"L_LP_STAT=", "n"}, {"R_RUSS_NO=", "1.2"}})},
    };
    for (const auto& c : cases) {
        Settings s;
        FakeProbePort comm;
        ASSERT_TRUE(readSettingsText(s, c.file, comm)) << c.name;
        EXPECT_EQ(writtenBack(s), c.file) << c.name;
    }
}

// A value entered in this run is written in the encoding of the line it replaces (of the
// file for a line it lacks), UTF-8 where it has no CP932 form, its control characters
// blanked; everything else keeps its bytes.
TEST(SettingsWriteBack, ChangedValueTakesTheEncodingOfItsLine) {
    const std::string cp932File = twentyLines({{"AX_NAME_A=", kCp932Name}, {"AX_NAME_C=", nullptr}});
    const std::string utf8File = twentyLines({{"AX_NAME_A=", kUtf8Name}, {"AX_NAME_C=", nullptr}});
    const std::string mixedFile = twentyLines({{"AX_NAME_A=", kCp932Name}, {"AX_NAME_B=", kUtf8Name}});
    const struct {
        const char* name;
        const std::string* file;  // nullptr: none was read
        int axis;
        std::string value;
        std::string line;
    } cases[] = {
        {"Cp932Line", &cp932File, 0, "\xEF\xBC\xA2", "AX_NAME_A=\x82\x61"},
        {"Cp932LineTextWithoutCp932Form", &cp932File, 0, "\xC3\xA9", "AX_NAME_A=\xC3\xA9"},
        {"AsciiLineOfCp932File", &cp932File, 1, kUtf8Name, std::string("AX_NAME_B=") + kCp932Name},
        {"LineTheCp932FileLacked", &cp932File, 2, kUtf8Name, std::string("AX_NAME_C=") + kCp932Name},
        {"AsciiLineOfUtf8File", &utf8File, 1, kUtf8Name, std::string("AX_NAME_B=") + kUtf8Name},
        {"LineTheUtf8FileLacked", &utf8File, 2, kUtf8Name, std::string("AX_NAME_C=") + kUtf8Name},
        {"Utf8LineOfMixedFile", &mixedFile, 1, "\xE8\xBB\xB8", "AX_NAME_B=\xE8\xBB\xB8"},
        {"Cp932LineOfMixedFile", &mixedFile, 0, "\xE8\xBB\xB8", "AX_NAME_A=\x8E\xB2"},
        {"NewFile", nullptr, 0, kUtf8Name, std::string("AX_NAME_A=") + kUtf8Name},
        {"ControlsBlankedNotBytes", &cp932File, 0, "\xEF\xBC\xA1\x01\xE8\xBB\xB8\t\x7F",
         "AX_NAME_A=\x82\x60 \x8E\xB2  "},
    };
    for (const auto& c : cases) {
        Settings s;
        FakeProbePort comm;
        if (c.file) {
            ASSERT_TRUE(readSettingsText(s, *c.file, comm)) << c.name;
        }
        std::string before = writtenBack(s);
        s.AxisName[static_cast<std::size_t>(c.axis)] = c.value;
        std::string text = writtenBack(s);
        const std::string key = c.line.substr(0, 10);
        EXPECT_EQ(lineOf(text, key), c.line) << c.name;
        // Every other line as it was.
        for (std::string* t : {&text, &before}) {
            const auto at = t->find(key);
            t->erase(at, t->find("\r\n", at) + 2 - at);
        }
        EXPECT_EQ(text, before) << c.name;
    }
}

// What a reading failure or an ignored line set is not taken for the file's value.
TEST(SettingsWriteBack, OnlyLinesThatTookEffectAreKept) {
    const struct { const char* name; std::string file; bool ok; std::vector<std::string> lines; } cases[] = {
        {"DefaultsReplaceWhatWasRead",
         std::string("R_RATE_NO=4800\r\nAX_NAME_A=") + kCp932Name + "\r\nR_PROC_NO=2\r\nR_RUSS_NO=1.2.3.4\r\n", false,
         {"R_RATE_NO=19200", std::string("AX_NAME_A=") + kCp932Name, "R_PROC_NO=1", "R_RUSS_NO=0.0.0"}},
        {"IgnoredPortLine", "R_PORT_NO=com3\r\nR_PORT_NO=COM9\r\n", true, {"R_PORT_NO=com3"}},
        {"LaterLineWins", "AX_NAME_A=one\r\nax_name_a=two\r\n", true, {"AX_NAME_A=two"}},
    };
    for (const auto& c : cases) {
        Settings s;
        FakeProbePort comm;
        EXPECT_EQ(readSettingsText(s, c.file, comm), c.ok) << c.name;
        const std::string text = writtenBack(s);
        for (const std::string& line : c.lines) EXPECT_EQ(lineOf(text, line.substr(0, 10)), line) << c.name;
    }
}

TEST_F(SettingsFileTest, ReadWriteReadReproducesTheFile) {
    const std::string files[] = {
        "S_SETTING=1\r\nMODULE_NO=1\r\n****RS_232C****\r\nR_LP_STAT=2.12\r\nR_PORT_NO=COM4\r\n"
        "R_RATE_NO=9600\r\nR_PROC_NO=2\r\nR_STAT_NO=05\r\nR_RUSS_NO=1.2.A\r\n****NEX_KOR****\r\n"
        "L_LP_STAT=3.5\r\nL_PORT_NO=5000\r\nL_IPAD_NO=10.0.0.7\r\nL_STAT_NO=1F\r\nL_SERI_NO=1A\r\n"
        "****Axis Name****\r\nAX_NAME_A=A axis\r\nAX_NAME_B=\xC3\xA9\r\nAX_NAME_C=C\r\nAX_NAME_D=D axis\r\n",
        "S_SETTING=0\r\nMODULE_NO=0\r\n****RS_232C****\r\nR_LP_STAT=NOOP\r\nR_PORT_NO=\r\n"
        "R_RATE_NO=\r\nR_PROC_NO=1\r\nR_STAT_NO=NOOP\r\nR_RUSS_NO=..\r\n****NEX_KOR****\r\n"
        "L_LP_STAT=NOOP\r\nL_PORT_NO=\r\nL_IPAD_NO=\r\nL_STAT_NO=NOOP\r\nL_SERI_NO=\r\n"
        "****Axis Name****\r\nAX_NAME_A=\r\nAX_NAME_B=\r\nAX_NAME_C=\r\nAX_NAME_D=\r\n",
    };
    for (const auto& file : files) {
        put(path, file);
        Settings s;
        FakeProbePort comm;
        ASSERT_TRUE(Setting_ReadSub(s, path, comm));
        MemoryFileWriter writer;
        ASSERT_TRUE(Setting_WriteSub(s, path, s.S_Setting == 0, kModelTable[static_cast<size_t>(s.ModuleNoIni)].text,
                                     writer));
        EXPECT_EQ(writer.files[path], file);
    }
}

TEST(ModuleAddress, FromUnitAndSlot) {
    const uint32_t low[5] = {0x426008, 0xC06010, 0xC04010, 0x18006010, 0x18004010};
    const uint32_t high[5] = {0x426008, 0xC96010, 0xC94010, 0x18016010, 0x18014010};
    const struct { std::string unit, slot; uint32_t base; bool highSlot; } cases[] = {
        {"1", "9", 1152, true},
        {"0", "3", 384, false},
        {"0", "A", 256, true},
        {"0", "a", 256, true},
        {"", "", 0, false},
        {"2", "x", 2048, false},   // a slot that is not hexadecimal counts 0
        {"9", "7", 9 * 1024 + 7 * 128, false},
        {"3x", "8", 3072, true},   // the unit by its leading digits
        {"99999999999", "0", 3684695040u, false},  // modulo 2^32, no overflow
    };
    for (const auto& c : cases) {
        Settings s;
        s.RusUnitNo = c.unit;
        s.RusSlotNo = c.slot;
        ModuleAddress_Set(s);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(s.ModuleAddr[k], static_cast<int32_t>(c.base + (c.highSlot ? high[k] : low[k])))
                << c.unit << "/" << c.slot << " entry " << k;
    }
}

} // namespace
