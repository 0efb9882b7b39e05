// The bounded reader, where the writer puts a file, and the dialog that keeps its name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/Files.h"
#include "support/FakeFiles.h"

using namespace posmod;
namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("posmod_files_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "sub");
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    static void put(const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    fs::path dir;
};

TEST_F(FilesTest, ReaderTakesOnlyARegularFileWithinTheLimit)
{
    put(at("four"), "abcd");
    put(at("empty"), "");
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
    fs::create_symlink("four", at("link"));
    fs::create_symlink("/dev/zero", at("zero"));
    fs::create_symlink("gone", at("dangling"));
    const struct { const char* name; std::string path; std::size_t max; std::optional<std::string> bytes; } cases[] = {
        {"Whole", at("four"), 100, "abcd"},
        {"ExactlyTheLimit", at("four"), 4, "abcd"},
        {"OverTheLimit", at("four"), 3, std::nullopt},
        {"Empty", at("empty"), 0, ""},
        {"LinkFollowed", at("link"), 100, "abcd"},
        {"Missing", at("none"), 100, std::nullopt},
        {"DanglingLink", at("dangling"), 100, std::nullopt},
        {"Folder", at("sub"), 100, std::nullopt},
        {"Fifo", at("fifo"), 100, std::nullopt},  // would block if it were opened
        {"Device", "/dev/zero", 100, std::nullopt},
        {"LinkToDevice", at("zero"), 100, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readRegularFile(c.path, c.max), c.bytes) << c.name;
}

TEST_F(FilesTest, WriteTargetIsTheEndOfTheLinks)
{
    put(at("sub/real"), "x");
    fs::create_symlink("sub/real", at("rel"));               // relative to the link's folder
    fs::create_symlink(at("sub/real"), at("abs"));
    fs::create_symlink("real", at("sub/inner"));
    fs::create_symlink("sub/inner", at("chain"));            // a link to a link
    fs::create_symlink("sub/new", at("tomissing"));
    fs::create_symlink("loop2", at("loop1"));
    fs::create_symlink("loop1", at("loop2"));
    fs::create_symlink("sub", at("tofolder"));
    fs::create_symlink("/dev/null", at("todevice"));
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", at("tofifo"));
    const struct { const char* name; std::string path; std::optional<std::string> target; } cases[] = {
        {"Regular", at("sub/real"), at("sub/real")},
        {"Missing", at("none"), at("none")},
        {"MissingFolder", at("no/such"), at("no/such")},  // the write fails there, not here
        {"Relative", at("rel"), at("sub/real")},
        {"Absolute", at("abs"), at("sub/real")},
        {"Chain", at("chain"), at("sub/real")},
        {"LinkToMissing", at("tomissing"), at("sub/new")},
        {"Loop", at("loop1"), std::nullopt},
        {"Folder", at("sub"), std::nullopt},
        {"LinkToFolder", at("tofolder"), std::nullopt},
        {"LinkToDevice", at("todevice"), std::nullopt},
        {"Fifo", at("fifo"), std::nullopt},
        {"LinkToFifo", at("tofifo"), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = writeTarget(c.path);
        ASSERT_EQ(got.has_value(), c.target.has_value()) << c.name;
        if (got) {
            EXPECT_EQ(fs::path(*got).lexically_normal(), fs::path(*c.target).lexically_normal()) << c.name;
        }
    }
}

TEST(RememberingFileDialog, OffersTheNameLastChosenInIt)
{
    ScriptedFileDialog script;
    script.answers = {"a.csv", "", "b.csv", "c.csv"};
    RememberingFileDialog dialog(script);
    RememberingFileDialog other(script);
    FileNameRequest save;
    save.mode = FileNameRequest::Mode::Save;

    EXPECT_EQ(dialog.ask(save), "a.csv");
    EXPECT_EQ(dialog.ask(save), "");       // Cancel keeps the name
    EXPECT_EQ(dialog.ask(save), "b.csv");
    EXPECT_EQ(other.ask(save), "c.csv");   // each dialog keeps its own
    FileNameRequest named = save;
    named.name = "given.xlsx";
    dialog.ask(named);                     // a name the caller offers wins

    ASSERT_EQ(script.requests.size(), 5u);
    const char* offered[] = {"", "a.csv", "a.csv", "", "given.xlsx"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(script.requests[i].name, offered[i]) << i;
    EXPECT_EQ(dialog.lastName(), "b.csv");  // the last ask was cancelled (empty queue)
}

} // namespace
