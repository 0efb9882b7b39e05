// Setting.ini through a whole start-up and Exit: what nobody changed comes back byte for
// byte; a link is written where it points; what is no file gives the defaults and is
// never replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "UiFixture.h"
#include "shared/SettingsFile.h"

using namespace posmod;
using posmod::test::UiTest;
namespace fs = std::filesystem;

namespace {

std::string twentyLines(const std::string& names)
{
    return "S_SETTING=1\r\nMODULE_NO=1\r\n****RS_232C****\r\nR_LP_STAT=2.12\r\nR_PORT_NO=COM3\r\n"
           "R_RATE_NO=9600\r\nR_PROC_NO=2\r\nR_STAT_NO=05\r\nR_RUSS_NO=1.2.A\r\n****NEX_KOR****\r\n"
           "L_LP_STAT=NOOP\r\nL_PORT_NO=5000\r\nL_IPAD_NO=10.0.0.7\r\nL_STAT_NO=NOOP\r\nL_SERI_NO=1A\r\n"
           "****Axis Name****\r\n" + names;
}

TEST_F(UiTest, ExitWritesBackWhatNobodyChanged)
{
    const struct { const char* name; std::string ini; } cases[] = {
        // Full-width A and a CJK character, katakana whose second byte is a backslash,
        // the second code of a character with two, half-width katakana.
        {"Cp932", twentyLines("AX_NAME_A=\x82\x60\x8E\xB2\r\nAX_NAME_B=\x83\x5C\r\nAX_NAME_C=\xFA\x5C\r\n"
                              "AX_NAME_D=\xB1\r\n")},
        {"Utf8", twentyLines("AX_NAME_A=\xEF\xBC\xA1\xE8\xBB\xB8\r\nAX_NAME_B=\xC3\xA9\r\nAX_NAME_C=C\r\n"
                             "AX_NAME_D=\r\n")},
        {"MixedByLine", twentyLines("AX_NAME_A=\x82\x60\x8E\xB2\r\nAX_NAME_B=\xEF\xBC\xA1\r\nAX_NAME_C=x\xFFy\r\n"
                                    "AX_NAME_D=\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(c.ini);
        frmMain& m = start();
        m.ExitCommand_Click();
        EXPECT_EQ(readIni(), c.ini);
        EXPECT_TRUE(messages.empty());
        forms.reset();
    }
}

TEST_F(UiTest, ExitWritesALinkedSettingsFileWhereItPoints)
{
    const std::string real = QDir(dir.path()).filePath("kept/Setting.real").toStdString();
    fs::create_directories(fs::path(real).parent_path());
    fs::create_symlink(real, iniPath());
    {
        std::ofstream(real, std::ios::binary) << twentyLines("AX_NAME_A=\x82\x60\r\n");
    }
    frmMain& m = start();
    EXPECT_EQ(forms->pub.set.AxisName[0], "\xEF\xBC\xA1");
    forms->pub.set.AxisName[1] = "\xE8\xBB\xB8";  // stored by the axis-name dialog
    m.ExitCommand_Click();
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_EQ(readIni(), twentyLines("AX_NAME_A=\x82\x60\r\nAX_NAME_B=\x8E\xB2\r\nAX_NAME_C=\r\nAX_NAME_D=\r\n"));
    EXPECT_TRUE(messages.empty());
}

// A FIFO neither blocks the start nor becomes a file at exit.
TEST_F(UiTest, SettingsFileThatIsNoFileGivesDefaultsAndIsKept)
{
    ASSERT_EQ(::mkfifo(iniPath().c_str(), 0600), 0);
    frmMain& m = start();
    EXPECT_EQ(forms->pub.set.R_RateNo, "19200");
    EXPECT_EQ(forms->pub.set.L_PortNo, "3004");
    m.ExitCommand_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, kSettingsNotSavedMessage);
    EXPECT_EQ(fs::symlink_status(iniPath()).type(), fs::file_type::fifo);
    EXPECT_EQ(endings, 1);
}

} // namespace
