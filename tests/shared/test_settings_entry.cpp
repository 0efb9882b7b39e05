// The rules of the settings and axis-name dialogs without their widgets: the checks, the
// network address, the two forms of the Ethernet address, and what OK stores.
#include <gtest/gtest.h>

#include <limits>

#include "shared/FakeProbePort.h"
#include "shared/SettingsEntry.h"
#include "shared/SettingsFile.h"

using namespace posmod;

namespace {

constexpr SettingError kOk = SettingError::None;
constexpr SettingError kLen = SettingError::Length;
constexpr SettingError kLim = SettingError::DataLimit;

std::string join(const IpBoxes& b)
{
    std::string s;
    for (const auto& t : b) s += t + "|";
    return s;
}

// A stored set that every test changes from.
Settings stored()
{
    Settings s;
    s.R_LpStat = 0;
    s.R_LoopNo = "0";
    s.R_LinkStNo = "0";
    s.R_LpAddr = "FFFF";
    s.R_StatFlag = 0;
    s.R_ProcNo = 1;
    s.R_PortNo = 1;
    s.R_RateNo = "19200";
    s.RusRemoteNo = s.RusUnitNo = s.RusSlotNo = "0";
    s.L_LpStat = 0;
    s.L_LoopNo = "0";
    s.L_LinkStNo = "0";
    s.L_LpAddr = "FFFF";
    s.L_SeriNo = "00";
    s.L_IpAddr = "192.168.0.1";
    s.L_IpDec1 = "192";
    s.L_IpDec2 = "168";
    s.L_IpDec3 = "0";
    s.L_IpDec4 = "1";
    s.L_IpHexU = "C0A8";
    s.L_IpHexL = "0001";
    s.L_PortHex = "0BBC";
    s.L_PortNo = "3004";
    ModuleAddress_Set(s);
    return s;
}

} // namespace

TEST(SettingsEntryChecks, StationLoopAndLinkStationNumbers)
{
    struct Case { const char* text; SettingError station, loop, link; };
    const Case cases[] = {
        {"", kOk, kLen, kLen},       {"5", kLen, kLim, kOk},    {"05", kOk, kLim, kOk},
        {"00", kOk, kLim, kOk},      {"31", kOk, kLim, kOk},    {"32", kLim, kLim, kOk},
        {"3a", kLim, kLim, kLim},    {"1", kLen, kOk, kOk},     {"2", kLen, kOk, kOk},
        {"0", kLen, kLim, kOk},      {"3", kLen, kLim, kOk},    {"63", kLim, kLim, kOk},
        {"64", kLim, kLim, kLim},    {"123", kLen, kLim, kLim}, {" 5", kLim, kLim, kLim},
        {"-1", kLim, kLim, kLim},    {"1 ", kLim, kLim, kLim},  {"+1", kLim, kLim, kLim},
        {"\xEF\xBC\x91\xEF\xBC\x92", kLim, kLim, kLim},  // two full-width digits: length 2, no digit
        {"99999999999999999999999", kLen, kLim, kLim},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        EXPECT_EQ(StationNo_Check(c.text), c.station);
        EXPECT_EQ(LoopNo_Check(c.text), c.loop);
        EXPECT_EQ(LinkStNo_Check(c.text), c.link);
    }
    EXPECT_STREQ(SettingError_Message(kLen), "Length Error");
    EXPECT_STREQ(SettingError_Message(kLim), "Data Limit Error");
}

TEST(SettingsEntryChecks, NetworkCheckNamesTheLoopBoxFirstAndSkipsTheOwnStation)
{
    struct Case { bool another; const char* loop; const char* link; SettingError err; SettingBox box; };
    const Case cases[] = {
        {false, "", "xx", kOk, SettingBox::None},
        {true, "0", "64", kLim, SettingBox::Loop},
        {true, "", "", kLen, SettingBox::Loop},
        {true, "1", "", kLen, SettingBox::LinkStation},
        {true, "2", "64", kLim, SettingBox::LinkStation},
        {true, "1", "05", kOk, SettingBox::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.loop) + "/" + c.link);
        const SettingFault f = NetworkInput_Check({c.another, c.loop, c.link});
        EXPECT_EQ(f.error, c.err);
        EXPECT_EQ(f.box, c.box);
    }
    EXPECT_EQ(StationInput_Check({false, "5"}).box, SettingBox::Station) << "tested whatever option is chosen";
    EXPECT_FALSE(StationInput_Check({true, ""}).failed());
}

TEST(SettingsEntryChecks, NetworkAddressOfAnotherStation)
{
    EXPECT_EQ(NetAddr_Build("1", "10"), "010A");
    EXPECT_EQ(NetAddr_Build("2", "63"), "023F");
    EXPECT_EQ(NetAddr_Build("1", "5"), "0105");
    EXPECT_EQ(NetAddr_Build("1", "05"), "0105");
    EXPECT_EQ(NetAddr_Build("2", "0"), "0200");
}

TEST(SettingsEntryNumbers, LeadingDigitsSaturateAndNeverThrow)
{
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    struct Case { const char* text; uint64_t dec, hex; };
    const Case cases[] = {
        {"", 0, 0}, {"007", 7, 7}, {"12ab", 12, 0x12AB}, {"-5", 0, 0}, {" 5", 0, 0}, {"+5", 0, 0},
        {"1.5", 1, 1}, {"fF", 0, 0xFF}, {"18446744073709551615", kMax, kMax},
        {"18446744073709551616", kMax, kMax}, {"99999999999999999999999999", kMax, kMax},
        {"FFFFFFFFFFFFFFFF", 0, kMax}, {"10000000000000000", 10000000000000000ull, kMax},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingDecimal(c.text), c.dec);
        EXPECT_EQ(LeadingHex(c.text), c.hex);
    }
}

TEST(SettingsEntryNumbers, HzerPadsShortTextsAndHdcnReadsTheLeadingHexDigits)
{
    struct Case { const char* in; const char* padded; uint64_t value; };
    const Case cases[] = {
        {"a", "000A", 10},       {"1F", "001F", 31},      {"FFF", "0FFF", 4095},  {"xyz", "0000", 0},
        {"", "", 0},             {"abcd", "abcd", 43981}, {"0BBC", "0BBC", 3004}, {"8000", "8000", 32768},
        {"FFFF", "FFFF", 65535}, {"12345", "12345", 74565}, {"1G", "0001", 1},    {"G1", "0000", 0},
        {"\xC3\xA4", "0000", 0}, // one character, no hexadecimal digit
        {"FFFFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFFFF", std::numeric_limits<uint64_t>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        std::string work = c.in;
        HZER(work);
        EXPECT_EQ(work, c.padded);
        EXPECT_EQ(HDCN(work), c.value);
    }
}

TEST(SettingsEntryEthernet, BoxesAfterTheFocusLeavesInBothModes)
{
    // Boxes: 0 U hex, 1 L hex, 2 port hex, 3-6 octets, 7 port decimal.
    struct Case { const char* name; bool decimal; IpBoxes in, out; };
    const Case cases[] = {
        {"hex a", false, {"a", "0001", "0BBC", "", "", "0", "1", ""},
         {"000A", "0001", "0BBC", "0", "10", "0", "1", "3004"}},
        {"hex FFFF port", false, {"C0A8", "0001", "FFFF", "192", "168", "0", "1", "1"},
         {"C0A8", "0001", "FFFF", "192", "168", "0", "1", "65535"}},
        {"hex L emptied", false, {"C0A8", "", "0BBC", "192", "168", "7", "8", "3004"},
         {"C0A8", "", "0BBC", "192", "168", "", "", "3004"}},
        {"hex C0", false, {"C0", "0a01", "", "1", "1", "1", "1", "77"},
         {"00C0", "0a01", "", "0", "192", "10", "1", "0"}},
        {"hex five digits", false, {"12C00", "zz", "12345", "", "", "", "", ""},
         {"12C00", "0000", "12345", "18", "0", "0", "0", "74565"}},
        {"hex not hex", false, {"GGGG", "0001", "x", "", "", "", "", ""},
         {"GGGG", "0001", "0000", "0", "0", "0", "1", "0"}},
        {"dec 10 1", true, {"", "", "", "10", "1", "", "", ""}, {"0A01", "", "", "10", "1", "", "", ""}},
        {"dec 10 empty", true, {"FFFF", "FFFF", "FFFF", "10", "", "", "", "3004"},
         {"0A00", "FFFF", "0BBC", "10", "", "", "", "3004"}},
        {"dec 300 0", true, {"", "", "", "300", "0", "0", "300", "70000"},
         {"12C00", "012C", "11170", "300", "0", "0", "300", "70000"}},
        {"dec signs and blanks", true, {"", "", "1234", "-5", " 7", "007", "x", ""},
         {"0000", "0700", "1234", "-5", " 7", "007", "x", ""}},
        {"dec oversized", true, {"", "", "", "99999999999999999999999", "1", "72057594037927935", "255", "99999999999999999999"},
         {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "99999999999999999999999", "1",
          "72057594037927935", "255", "99999999999999999999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IpBoxes b = c.in;
        IpBoxes_LineUp(b, c.decimal);
        EXPECT_EQ(join(b), join(c.out));
    }
}

TEST(SettingsEntryEthernet, ExampleIsTheDefaultsAddressInBothForms)
{
    IpBoxes b;
    IpBoxes_Example(b);
    EXPECT_EQ(join(b), "C0A8|0001|0BBC|192|168|0|1|3004|");
    for (bool decimal : {false, true}) {
        IpBoxes again = b;
        IpBoxes_LineUp(again, decimal);
        EXPECT_EQ(join(again), join(b)) << "the two forms agree";
    }
    Settings s;
    FakeProbePort port;
    Setting_DefaultSub(s, port);
    EXPECT_EQ(join(EthEntries_Load(s).ip), join(b));
}

TEST(SettingsEntryRs232c, OpensFromTheSettingsAndListsWithoutTheStoredValueSelectNothing)
{
    Settings s = stored();
    s.R_LpStat = 1;
    s.R_LoopNo = "2";
    s.R_LinkStNo = "12";
    s.R_StatFlag = 1;
    s.R_StatNo = "07";
    s.R_ProcNo = 2;
    s.R_PortNo = 4;
    s.RusSlotNo = "a";
    RsEntries e = RsEntries_Load(s);
    EXPECT_TRUE(e.net.anotherStation);
    EXPECT_EQ(e.net.loopNo + "." + e.net.linkStNo, "2.12");
    EXPECT_TRUE(e.station.stationNo);
    EXPECT_EQ(e.station.statNo, "07");
    EXPECT_FALSE(e.procedure1);
    EXPECT_EQ(e.rate, "19200");
    EXPECT_EQ(e.port, "COM4");
    EXPECT_EQ(e.rus, (RusChoice{"0", "0", "A"})) << "letter case ignored";
    int offset = 0;
    RsEntries_Store(e, s, offset);
    EXPECT_EQ(s.RusSlotNo, "a") << "the value shown is kept as it was stored";

    s = stored();
    s.R_LoopNo = "9"; // not shown for the own station
    s.R_RateNo = "1200";
    s.R_PortNo = 9;
    s.RusRemoteNo = "5";
    s.RusUnitNo = "";
    s.RusSlotNo = "B";
    e = RsEntries_Load(s);
    EXPECT_EQ(e.net.loopNo + "." + e.net.linkStNo, "0.0");
    EXPECT_FALSE(e.station.stationNo);
    EXPECT_EQ(e.rate, "");
    EXPECT_EQ(e.port, "");
    EXPECT_EQ(e.rus, (RusChoice{"", "", ""}));

    // OK with nothing chosen in those lists keeps every stored value; no serial settings.
    offset = 7;
    EXPECT_EQ(RsEntries_Store(e, s, offset), "");
    EXPECT_EQ(s.R_RateNo, "1200");
    EXPECT_EQ(s.R_PortNo, 9);
    EXPECT_EQ(s.RusRemoteNo + "|" + s.RusUnitNo + "|" + s.RusSlotNo, "5||B");
    EXPECT_EQ(offset, 0);
}

TEST(SettingsEntryRs232c, OkStoresEveryEntryAndRecomputesTheModuleAddresses)
{
    struct Case {
        NetworkEntry net; StationEntry station; bool proc1; const char* rate; const char* port;
        int lpStat; const char* lpAddr; int statFlag; const char* statNo; int offset; const char* serial; int portNo;
    };
    const Case cases[] = {
        {{true, "1", "05"}, {true, "05"}, false, "9600", "COM3", 1, "0105", 1, "05", 2, "9600,e,7,1", 3},
        {{true, "2", "63"}, {true, ""}, true, "19200", "COM8", 1, "023F", 0, "", 0, "19200,e,7,1", 8},
        {{false, "0", "0"}, {false, ""}, true, "57600", "COM1", 0, "FFFF", 0, "", 0, "57600,e,7,1", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpAddr);
        Settings s = stored();
        int offset = -1;
        RsEntries e{c.net, c.station, c.proc1, c.rate, c.port, {"1", "1", "9"}};
        EXPECT_EQ(RsEntries_Store(e, s, offset), c.serial);
        EXPECT_EQ(s.R_LpStat, c.lpStat);
        EXPECT_EQ(s.R_LoopNo + "." + s.R_LinkStNo, c.net.loopNo + "." + c.net.linkStNo);
        EXPECT_EQ(s.R_LpAddr, c.lpAddr);
        EXPECT_EQ(s.R_StatFlag, c.statFlag);
        EXPECT_EQ(s.R_StatNo, c.statNo);
        EXPECT_EQ(offset, c.offset);
        EXPECT_EQ(s.R_ProcNo, c.proc1 ? 1 : 2);
        EXPECT_EQ(s.R_RateNo, c.rate);
        EXPECT_EQ(s.R_PortNo, c.portNo);
        EXPECT_EQ(s.RusRemoteNo + s.RusUnitNo + s.RusSlotNo, "119");
        EXPECT_EQ(s.ModuleAddr[0], 1152 + 0x426008);  // unit 1, slot 9
        EXPECT_EQ(s.ModuleAddr[1], 1152 + 0xC96010);
        EXPECT_EQ(s.L_LpAddr, "FFFF") << "the Ethernet side is not touched";
    }
}

TEST(SettingsEntryEthernet, OkRewritesTheOctetsAndStoresBothForms)
{
    Settings s = stored();
    EthEntries e = EthEntries_Load(s);
    e.ip = {"0A00", "0501", "1F90", "010", "", "5", "1", "8080"};
    e.seriNo = "3F";
    e.net = {true, "1", "10"};
    e.station = {true, "07"};
    e.rus = {"2", "3", "A"};
    ASSERT_FALSE(EthEntries_Store(e, s).failed());
    EXPECT_EQ(join(e.ip), "0A00|0501|1F90|10|0|5|1|8080|");
    EXPECT_EQ(s.L_IpAddr, "10.0.5.1");
    EXPECT_EQ(s.L_IpDec1 + s.L_IpDec2 + s.L_IpDec3 + s.L_IpDec4, "10051");
    EXPECT_EQ(s.L_IpHexU + s.L_IpHexL + s.L_PortHex, "0A0005011F90");
    EXPECT_EQ(s.L_PortNo, "8080");
    EXPECT_EQ(s.L_LpStat, 1);
    EXPECT_EQ(s.L_LpAddr, "010A");
    EXPECT_EQ(s.L_SeriNo, "3F");
    EXPECT_EQ(s.L_StatFlag, 1);
    EXPECT_EQ(s.L_StatNo, "07");
    EXPECT_EQ(s.RusRemoteNo + s.RusUnitNo + s.RusSlotNo, "23A");
    EXPECT_EQ(s.ModuleAddr[0], 3 * 1024 + 2 * 128 + 0x426008);
    EXPECT_EQ(s.R_LpAddr, "FFFF") << "the RS-232C side is not touched";
}

TEST(SettingsEntryEthernet, AWrongStationKeepsTheStoresBeforeItAndAWrongLoopStoresNothing)
{
    Settings s = stored();
    EthEntries e = EthEntries_Load(s);
    e.ip = {"0A00", "0001", "0BBC", "10", "0", "0", "01", "3004"};
    e.seriNo = "11";
    e.net = {true, "2", "3"};
    e.station = {true, "5"};
    e.rus = {"4", "9", "9"};
    const SettingFault f = EthEntries_Store(e, s);
    EXPECT_EQ(f.error, kLen);
    EXPECT_EQ(f.box, SettingBox::Station);
    EXPECT_EQ(e.ip[6], "1");
    EXPECT_EQ(s.L_IpAddr, "10.0.0.1");
    EXPECT_EQ(s.L_IpHexU, "0A00");
    EXPECT_EQ(s.L_LpAddr, "0203");
    EXPECT_EQ(s.L_SeriNo, "11");
    EXPECT_EQ(s.L_StatFlag, 0);
    EXPECT_EQ(s.RusRemoteNo, "0");
    EXPECT_EQ(s.ModuleAddr, stored().ModuleAddr);

    s = stored();
    e.net = {true, "3", "3"};
    e.ip[6] = "01";
    const SettingFault g = EthEntries_Store(e, s);
    EXPECT_EQ(g.error, kLim);
    EXPECT_EQ(g.box, SettingBox::Loop);
    EXPECT_EQ(e.ip[6], "01") << "boxes untouched";
    EXPECT_EQ(s.L_IpAddr, "192.168.0.1");
    EXPECT_EQ(s.L_SeriNo, "00");
}

TEST(SettingsEntryAxisNames, LabelsAndStoresPerFamily)
{
    EXPECT_EQ(AxisLabel_Text(ModelFamily::TwoAxis, 0), "X axis Name :");
    EXPECT_EQ(AxisLabel_Text(ModelFamily::TwoAxis, 1), "Y axis Name :");
    EXPECT_EQ(AxisLabel_Text(ModelFamily::FourAxis, 3), "D axis Name :");

    Settings s;
    s.AxisName = {"a", "b", "c", "d"};
    EXPECT_TRUE(AxisNames_Store(ModelFamily::TwoAxis, {"Left ", " ", "x", "y"}, s));
    EXPECT_EQ(s.AxisName, (std::array<std::string, 4>{"Left ", " ", "", ""})) << "as typed, blanks kept";

    s.AxisName = {"a", "b", "c", "d"};
    EXPECT_FALSE(AxisNames_Store(ModelFamily::TwoAxis, {"", "y", "", ""}, s));
    EXPECT_FALSE(AxisNames_Store(ModelFamily::FourAxis, {"1", "2", "", "4"}, s));
    EXPECT_EQ(s.AxisName, (std::array<std::string, 4>{"a", "b", "c", "d"}));
    const std::string longName(300, 'N');
    EXPECT_TRUE(AxisNames_Store(ModelFamily::FourAxis, {"1", "2", "3", longName}, s));
    EXPECT_EQ(s.AxisName[3], longName) << "nothing is cut";
    EXPECT_TRUE(AxisNames_Store(ModelFamily::OneAxis, {"", "", "", ""}, s));
    EXPECT_EQ(s.AxisName[0], "1");
}
