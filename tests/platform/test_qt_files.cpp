// The file dialog on QFileDialog and the whole-file writer on QSaveFile, on real files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/QtFiles.h"
#include "support/QtApp.h"

using namespace posmod;
using posmod::test::app;
namespace fs = std::filesystem;

namespace {

class QtFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("posmod_qtfiles_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    static void put(const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream o;
        o << in.rdbuf();
        return o.str();
    }
    std::set<std::string> names() const
    {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
        return out;
    }
    fs::path dir;
};

TEST_F(QtFilesTest, WriterReplacesAFileAndWritesThroughLinks)
{
    QtFileWriter writer;
    put(at("plain"), "old plain");
    fs::permissions(at("plain"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    put(at("real"), "old real");
    fs::create_symlink("real", at("link"));
    fs::create_symlink("made", at("dangling"));

    EXPECT_TRUE(writer.write(at("plain"), "new plain\r\n"));
    EXPECT_TRUE(writer.write(at("link"), std::string("new\0real", 8)));
    EXPECT_TRUE(writer.write(at("dangling"), "made through the link"));
    EXPECT_TRUE(writer.write(at("fresh"), ""));

    EXPECT_EQ(slurp(at("plain")), "new plain\r\n");
    EXPECT_EQ(fs::status(at("plain")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_EQ(slurp(at("real")), std::string("new\0real", 8));
    EXPECT_TRUE(fs::is_symlink(at("dangling")));
    EXPECT_EQ(slurp(at("made")), "made through the link");
    EXPECT_TRUE(fs::is_regular_file(at("fresh")));
    EXPECT_EQ(fs::file_size(at("fresh")), 0u);
    EXPECT_EQ(names(), (std::set<std::string>{"plain", "real", "link", "dangling", "made", "fresh"}));
}

// Every refusal and failure leaves what was there as it was, and no temporary file.
TEST_F(QtFilesTest, WriterRefusesWhatIsNoFileAndKeepsTheOldOneOnFailure)
{
    QtFileWriter writer;
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", at("tofifo"));
    // A device node of our own where that is allowed: a faulty writer must not replace
    // the system's /dev/null.
    const bool ownDevice = ::mknod(at("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    fs::create_symlink(ownDevice ? at("null") : "/dev/null", at("todevice"));
    fs::create_directory(at("folder"));
    fs::create_symlink("folder", at("tofolder"));
    const std::set<std::string> before = names();

    const struct { const char* name; std::string path; } refused[] = {
        {"Fifo", at("fifo")}, {"LinkToFifo", at("tofifo")}, {"LinkToDevice", at("todevice")},
        {"Folder", at("folder")}, {"LinkToFolder", at("tofolder")}, {"MissingFolder", at("no/such/file")},
    };
    for (const auto& c : refused) EXPECT_FALSE(writer.write(c.path, "new")) << c.name;
    EXPECT_EQ(names(), before);
    EXPECT_EQ(fs::status(at("fifo")).type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status(at("todevice")).type(), fs::file_type::character);
    EXPECT_TRUE(fs::is_empty(at("folder")));
    EXPECT_FALSE(fs::exists(at("no")));
}

TEST_F(QtFilesTest, WriterFailingMidwayKeepsTheOldFile)
{
    QtFileWriter writer;
    const std::string old = "the old content\r\n";
    put(at("target"), old);
    fs::create_symlink("target", at("link"));

    // A file size limit makes the write fail after its first bytes, for root too.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool direct = writer.write(at("target"), std::string(64 * 1024, 'n'));
    const bool linked = writer.write(at("link"), std::string(64 * 1024, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(direct);
    EXPECT_FALSE(linked);
    EXPECT_EQ(slurp(at("target")), old);
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_EQ(names(), (std::set<std::string>{"target", "link"}));

    // A folder that cannot be written, where permissions hold (not for root).
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (!std::ofstream(at("probe")).is_open()) {
        EXPECT_FALSE(writer.write(at("target"), "new"));
        EXPECT_EQ(slurp(at("target")), old);
    }
    fs::permissions(dir, fs::perms::owner_all);
    std::error_code ec;
    fs::remove(at("probe"), ec);
    EXPECT_EQ(names(), (std::set<std::string>{"target", "link"}));
}

TEST(QtFileNameDialog, SetsTheDialogUpFromTheRequest)
{
    app();
    using Mode = FileNameRequest::Mode;
    const struct {
        const char* name;
        FileNameRequest request;
        QFileDialog::AcceptMode accept;
        bool confirm;
        QStringList filters;
        QString suffix;
    } cases[] = {
        {"CsvOpen", {Mode::Open, "", "", {}, "", false}, QFileDialog::AcceptOpen, false, {"All Files (*)"}, ""},
        {"CsvSave", {Mode::Save, "", "", {}, "", true}, QFileDialog::AcceptSave, true, {"All Files (*)"}, ""},
        {"CsvOpenWithOverwriteFlag", {Mode::Open, "", "", {}, "", true}, QFileDialog::AcceptOpen, false,
         {"All Files (*)"}, ""},
        {"Export", {Mode::Save, "Export", "sheet.xlsx", {"Program Files (*.xlsx)", "All Files (*)"}, "xlsx", true},
         QFileDialog::AcceptSave, true, {"Program Files (*.xlsx)", "All Files (*)"}, "xlsx"},
        {"PdfWithoutConfirm", {Mode::Save, "", "", {"PDF (*.pdf)"}, ".pdf", false}, QFileDialog::AcceptSave, false,
         {"PDF (*.pdf)"}, "pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFileDialog d;
        QtFileNameDialog::configure(d, c.request);
        EXPECT_EQ(d.acceptMode(), c.accept);
        EXPECT_EQ(d.fileMode(), QFileDialog::AnyFile);  // an open takes a name that is missing
        EXPECT_TRUE(d.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(d.testOption(QFileDialog::DontConfirmOverwrite), !c.confirm);
        EXPECT_EQ(d.nameFilters(), c.filters);
        EXPECT_EQ(d.defaultSuffix(), c.suffix);
        if (!c.request.title.empty()) {
            EXPECT_EQ(d.windowTitle().toStdString(), c.request.title);
        }
    }
}

// The real modal dialog, answered from inside its own loop.
TEST_F(QtFilesTest, DialogAnswersTheChosenNameOrNothing)
{
    app();
    struct Answer { std::string type; bool accept; std::string offeredSeen; };
    Answer answer;
    auto answerNextDialog = [&answer] {
        QTimer::singleShot(0, [&answer] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            const QStringList shown = d->selectedFiles();
            answer.offeredSeen = shown.isEmpty() ? "" : QFileInfo(shown.first()).fileName().toStdString();
            if (!answer.accept) {
                d->reject();
                return;
            }
            d->selectFile(QString::fromStdString(answer.type));
            static_cast<QDialog*>(d)->accept();
        });
    };
    QtFileNameDialog dialog;
    const std::string folder = dir.string();

    FileNameRequest exportReq{FileNameRequest::Mode::Save, "Export", folder + "/sheet.xlsx",
                              {"Program Files (*.xlsx)", "All Files (*)"}, "xlsx", true};
    answer = {folder + "/report", true, ""};
    answerNextDialog();
    EXPECT_EQ(dialog.ask(exportReq), folder + "/report.xlsx");
    EXPECT_EQ(answer.offeredSeen, "sheet.xlsx");

    FileNameRequest openReq{FileNameRequest::Mode::Open, "", folder + "/none.csv", {}, "", false};
    answer = {folder + "/missing.csv", true, ""};
    answerNextDialog();
    EXPECT_EQ(dialog.ask(openReq), folder + "/missing.csv");

    answer = {"", false, ""};
    answerNextDialog();
    EXPECT_EQ(dialog.ask(openReq), "");
}

} // namespace
