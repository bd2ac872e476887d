// Replacing a file whole or not at all, reading under a cap, and telling the
// two models' documents apart.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/reset_settings.h"
#include "model/safe_file.h"
#include "model/settings_file.h"
#include "model/text_cell.h"

namespace vrq {
namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vrq_safe_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    std::string file(const char* name) const { return (dir_ / name).string(); }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }
    fs::path dir_;
};

TEST_F(SafeFile, ReplacementKeepsPermissionsAndLeavesNoTemporary) {
    const std::string path = file("a.dat");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(path, "new"));
    EXPECT_EQ(contents(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), 1);

    // Through a symbolic link the named file is replaced and the link stays.
    fs::create_symlink(path, dir_ / "link.dat");
    ASSERT_TRUE(writeFileAtomically(file("link.dat"), "via link"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.dat"));
    EXPECT_EQ(contents(path), "via link");
}

// A crash during a save leaves its temporary; the next save in that folder
// removes it, but never one of a process that still runs, nor anything that
// only looks like one.
TEST_F(SafeFile, ASaveRemovesOurTemporariesWhoseProcessEndedAndNothingElse) {
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string dead = std::to_string(gone), live = std::to_string(::getppid());
    const std::vector<std::string> stale = {".a.dat." + dead + "-0.tmp", ".b.dat." + dead + "-99.tmp"};
    const std::vector<std::string> kept = {
        ".a.dat." + live + "-0.tmp",  // a save that is running now
        "a.dat." + dead + "-0.tmp",       ".a.dat." + dead + "-0.tmp~",  ".a.dat." + dead + "-100.tmp",
        ".a.dat." + dead + "-01.tmp",     ".a.dat.0" + dead + "-0.tmp",  ".." + dead + "-0.tmp",
        ".a.dat." + dead + "x-0.tmp",     ".a.dat.-" + dead + "-0.tmp",  ".a.dat." + dead + ".tmp",
    };
    for (const auto& name : stale) std::ofstream(file(name.c_str())) << "half";
    for (const auto& name : kept) std::ofstream(file(name.c_str())) << "other";
    fs::create_directory(dir_ / (".c.dat." + dead + "-1.tmp"));  // not a file

    ASSERT_TRUE(writeFileAtomically(file("a.dat"), "new"));
    for (const auto& name : stale) EXPECT_FALSE(fs::exists(dir_ / name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir_ / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir_ / (".c.dat." + dead + "-1.tmp")));
    EXPECT_EQ(entries(), static_cast<int>(kept.size()) + 2);
}

// Failures midway (a file-size limit) and refused reads of documents are
// walked through the document commands; here what only the mechanics see.
TEST_F(SafeFile, FailuresLeaveTheOldFileAndReadsStopAtTheCap) {
    const std::string path = file("a.dat");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    // A new file that could not be saved has no original to speak of.
    const FileResult fresh = writeFileAtomically(file("gone/a.dat"), "x");
    EXPECT_EQ(fresh.problem, FileProblem::WriteFailed);
    EXPECT_EQ(fileProblemText(fresh, "b.dat", true).japanese().rfind("ファイルを保存できませんでした。\nb.dat", 0), 0u);
    EXPECT_EQ(fileProblemText({FileProblem::WriteFailed, {}}, "a.dat", true).japanese(),
              "ファイルを保存できませんでした。元のファイルはそのままです。\na.dat");
    EXPECT_EQ(writeFileAtomically("/dev/full", "x").problem, FileProblem::NotRegular);
    if (::geteuid() != 0) {  // root writes into a read-only folder anyway
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(writeFileAtomically(path, "new").problem, FileProblem::WriteFailed);
        fs::permissions(dir_, fs::perms::owner_all);
    }
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(entries(), 1);

    std::string out;
    EXPECT_EQ(readRegularFile(path, 2, out).problem, FileProblem::TooLarge);
    EXPECT_TRUE(out.empty());
    ASSERT_TRUE(readRegularFile(path, 3, out));
    EXPECT_EQ(out, "old");
    EXPECT_EQ(readRegularFile(dir_.string(), 3, out).problem, FileProblem::CannotOpen);
}

TEST_F(SafeFile, DocumentsOfTheOtherModelAreRefusedAndTheModelKept) {
    auto multi = makeConsole(Product::Multi);
    auto single = makeConsole(Product::Single);
    setCell(multi->settings.titleText[100][0], "M");
    setCell(single->settings.singleTitleText[0], "S");
    const std::string multiDoc = SettingsFile::serialize(*multi), singleDoc = SettingsFile::serialize(*single);
    ASSERT_TRUE(writeFileAtomically(file("m.dat"), multiDoc));
    ASSERT_TRUE(writeFileAtomically(file("s.dat"), singleDoc));

    auto target = makeConsole(Product::Multi);
    target->settings.clockDisplayOn = 5;
    // Shorter than a multi-line document, yet not a truncated one.
    EXPECT_EQ(SettingsFile::load(*target, file("s.dat")).problem, FileProblem::OtherModel);
    auto targetSingle = makeConsole(Product::Single);
    targetSingle->settings.clockDisplayOn = 5;
    EXPECT_EQ(SettingsFile::load(*targetSingle, file("m.dat")).problem, FileProblem::OtherModel);
    // Cut short, the multi-line document is still told apart.
    EXPECT_EQ(SettingsFile::check(std::string_view(multiDoc).substr(0, 20000), Product::Single), FileProblem::OtherModel);
    EXPECT_EQ(target->settings.clockDisplayOn, 5);
    EXPECT_EQ(targetSingle->settings.clockDisplayOn, 5);

    // One record too many is refused; trailing blank lines are not records.
    EXPECT_EQ(SettingsFile::check(multiDoc + "0\r\n", Product::Multi), FileProblem::TooManyRecords);
    EXPECT_EQ(SettingsFile::check(multiDoc + "\r\n\x1a", Product::Multi), FileProblem::None);

    // A truncated document of the right model loads what it has.
    ASSERT_TRUE(writeFileAtomically(file("short.dat"), multiDoc.substr(0, 30000)));
    ASSERT_TRUE(SettingsFile::load(*target, file("short.dat")));
    EXPECT_EQ(cellText(target->settings.titleText[100][0]), "M");
    EXPECT_EQ(target->settings.clockDisplayOn, 0);
    ASSERT_TRUE(SettingsFile::load(*targetSingle, file("s.dat")));
    EXPECT_EQ(cellText(targetSingle->settings.singleTitleText[0]), "S");
}

TEST_F(SafeFile, AnyChangeOfARecordMarksTheDocumentModified) {
    auto c = makeConsole(Product::Single);
    EXPECT_FALSE(noteDocumentChanges(*c));
    c->settings.zoomFont = 1;  // not a record of the document
    EXPECT_FALSE(noteDocumentChanges(*c));
    c->settings.lineBlink[511][0] = 1;
    EXPECT_TRUE(noteDocumentChanges(*c));
    c->settings.lineBlink[511][0] = 0;  // the flag stays until saved
    EXPECT_TRUE(noteDocumentChanges(*c));
    markDocumentClean(*c);
    EXPECT_FALSE(noteDocumentChanges(*c));
}

}  // namespace
}  // namespace vrq
