#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "link/ui_language.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "shell/document_commands.h"
#include "shell/recovery.h"

namespace vrq {
namespace {

namespace fs = std::filesystem;

struct ScriptedChooser : FileChooser {
    std::deque<std::string> answers;  // empty text = cancel
    int opens = 0, saves = 0;
    std::string next() {
        if (answers.empty()) return {};
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string chooseOpenFile() override {
        ++opens;
        return next();
    }
    std::string chooseSaveFile() override {
        ++saves;
        return next();
    }
};

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vrq_docs_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        c = makeConsole(Product::Multi);
        c->notifier = &notes;
        docs = std::make_unique<DocumentCommands>(*c, chooser, [this](const std::string& p) { shown.push_back(p); });
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string file(const std::string& name) { return (dir / name).string(); }
    void editTitle(const char* text) {
        setCell(c->settings.titleText[0][0], text);
        c->app.documentModified = true;
    }
    std::vector<std::string> noticeTexts() {
        std::vector<std::string> t;
        for (const auto& n : notes.notices) t.push_back(n.text);
        return t;
    }

    fs::path dir;
    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    ScriptedChooser chooser;
    std::vector<std::string> shown;
    std::unique_ptr<DocumentCommands> docs;
};

TEST_F(DocumentCommandsTest, SaveWithoutNameAsksForOne) {
    EXPECT_FALSE(docs->saveDocument());  // the name dialog, cancelled
    EXPECT_EQ(chooser.saves, 1);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_TRUE(fs::is_empty(dir));
    chooser.answers = {file("named")};
    EXPECT_TRUE(docs->saveDocument());
    EXPECT_EQ(c->app.currentFileName, file("named.dat"));
    EXPECT_EQ(shown, std::vector<std::string>{file("named.dat")});
}

TEST_F(DocumentCommandsTest, SaveAsAppendsLowerCaseExtension) {
    const std::pair<const char*, const char*> cases[] = {{"x", "x.dat"}, {"y.dat", "y.dat"}, {"X.DAT", "X.DAT.dat"},
                                                         {"a.dat.old", "a.dat.old"}};
    for (auto [typed, written] : cases) {
        chooser.answers = {file(typed)};
        editTitle("t");
        ASSERT_TRUE(docs->saveDocumentAs()) << typed;
        EXPECT_TRUE(fs::exists(file(written))) << typed;
        EXPECT_EQ(c->app.currentFileName, file(written));
        EXPECT_FALSE(c->app.documentModified);
    }
    EXPECT_EQ(shown.back(), file("a.dat.old"));  // the status bar names what Save writes
    EXPECT_FALSE(fs::exists(file("y.dat.dat")));
}

TEST_F(DocumentCommandsTest, SaveAsAsksBeforeOverwritingTheNameWithItsExtension) {
    chooser.answers = {file("x")};
    ASSERT_TRUE(docs->saveDocumentAs());
    const auto before = fs::file_size(file("x.dat"));
    editTitle("a longer title than before");
    notes.answers = {false};
    chooser.answers = {file("x")};
    EXPECT_FALSE(docs->saveDocumentAs());  // kept the existing x.dat
    ASSERT_EQ(notes.questions.size(), 1u);
    EXPECT_NE(notes.questions[0].find("x.dat"), std::string::npos);
    EXPECT_EQ(fs::file_size(file("x.dat")), before);
    EXPECT_TRUE(c->app.documentModified);
    notes.answers = {true};
    chooser.answers = {file("x")};
    EXPECT_TRUE(docs->saveDocumentAs());
    EXPECT_GT(fs::file_size(file("x.dat")), before);
}

TEST_F(DocumentCommandsTest, SaveAsCancelledOrFailingKeepsState) {
    c->app.currentFileName = "before.dat";
    editTitle("t");
    EXPECT_FALSE(docs->saveDocumentAs());  // cancelled
    EXPECT_TRUE(notes.notices.empty());
    chooser.answers = {file("missing/x.dat")};
    EXPECT_FALSE(docs->saveDocumentAs());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find("保存できませんでした"), std::string::npos);
    EXPECT_NE(notes.notices[0].text.find(file("missing/x.dat")), std::string::npos);
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
    EXPECT_EQ(c->app.currentFileName, "before.dat");
    EXPECT_TRUE(c->app.documentModified);
}

TEST_F(DocumentCommandsTest, OpenLoadsShowsPathAndClearsModified) {
    auto other = makeConsole(Product::Multi);
    setCell(other->settings.titleText[3][4], "opened title");
    other->settings.lineBlink[3][4] = 1;
    ASSERT_TRUE(SettingsFile::save(*other, file("a.dat")));

    c->settings.zoomFont = 1;  // not in the document: kept
    editTitle("unsaved");
    notes.answers = {true};
    chooser.answers = {file("a.dat")};
    docs->openDocument();
    EXPECT_EQ(notes.questions, std::vector<std::string>{"データを保存せずに別のファイルを開きますか？"});
    EXPECT_EQ(cellText(c->settings.titleText[3][4]), "opened title");
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "");
    EXPECT_EQ(c->settings.zoomFont, 1);
    EXPECT_EQ(c->app.currentFileName, file("a.dat"));
    EXPECT_FALSE(c->app.documentModified);
    EXPECT_EQ(shown, std::vector<std::string>{file("a.dat")});
}

// A document cut short opens with defaults for what it lacks, says so and
// counts as modified; an empty file is refused and changes nothing.
TEST_F(DocumentCommandsTest, OpenOfAShortOrEmptyFileSaysWhatIsMissing) {
    const std::string whole = SettingsFile::serialize(*c);
    {
        std::ofstream(file("short.dat"), std::ios::binary) << whole.substr(0, whole.size() - 20);
        std::ofstream(file("empty.dat"), std::ios::binary) << "";
    }
    chooser.answers = {file("short.dat")};
    docs->openDocument();
    ASSERT_EQ(noticeTexts().size(), 1u);
    EXPECT_NE(noticeTexts()[0].find("件の設定がファイルにありませんでした。初期値にしています。"), std::string::npos);
    EXPECT_TRUE(c->app.documentModified);

    notes.notices.clear();
    notes.answers = {true};
    chooser.answers = {file("empty.dat")};
    docs->openDocument();
    EXPECT_EQ(noticeTexts(), std::vector<std::string>{"設定ファイルではないため開けません。\n" + file("empty.dat")});
    EXPECT_EQ(c->app.currentFileName, file("short.dat"));
}

TEST_F(DocumentCommandsTest, OpenRefusedOrFailingChangesNothing) {
    editTitle("unsaved");
    notes.answers = {false};
    docs->openDocument();
    EXPECT_EQ(chooser.opens, 0);

    notes.answers = {true};
    chooser.answers = {file("none.dat")};
    docs->openDocument();
    EXPECT_EQ(noticeTexts(), std::vector<std::string>{"Can't file open"});
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "unsaved");
    EXPECT_EQ(c->app.currentFileName, "");
    EXPECT_TRUE(c->app.documentModified);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DocumentCommandsTest, NothingHappensWhileARunIsActive) {
    c->reply.runActive = true;
    c->reply.runStep = 4;
    c->app.currentFileName = file("a.dat");
    editTitle("t");
    chooser.answers = {file("a.dat"), file("a.dat")};
    docs->openDocument();
    docs->newDocument();
    EXPECT_FALSE(docs->saveDocument());
    EXPECT_FALSE(docs->saveDocumentAs());
    EXPECT_EQ(chooser.opens + chooser.saves, 0);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_TRUE(notes.questions.empty());
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "t");
    EXPECT_FALSE(fs::exists(file("a.dat")));
}

TEST_F(DocumentCommandsTest, NewThenSaveAsksForANameAndLeavesTheOpenedDocument) {
    auto other = makeConsole(Product::Multi);
    setCell(other->settings.titleText[0][0], "old");
    ASSERT_TRUE(SettingsFile::save(*other, file("a.dat")));
    chooser.answers = {file("a.dat")};
    docs->openDocument();
    editTitle("changed");

    notes.answers = {false};
    docs->newDocument();  // declined
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "changed");
    notes.answers = {true};
    docs->newDocument();
    EXPECT_EQ(notes.questions.back(), "データを保存せずに新規作成しますか？");
    EXPECT_EQ(shown.back(), "File Name");
    EXPECT_EQ(c->app.currentFileName, "");

    // Writing the defaults over the document opened before would lose it.
    const int saves = chooser.saves;
    EXPECT_FALSE(docs->saveDocument());
    EXPECT_EQ(chooser.saves, saves + 1);
    chooser.answers = {file("b.dat")};
    ASSERT_TRUE(docs->saveDocument());
    EXPECT_EQ(shown.back(), file("b.dat"));
    auto back = makeConsole(Product::Multi);
    ASSERT_TRUE(SettingsFile::load(*back, file("a.dat")));
    EXPECT_EQ(cellText(back->settings.titleText[0][0]), "old");
}

TEST_F(DocumentCommandsTest, ExitAsksAfterAnyChangeOfTheDocument) {
    c->settings.zoomFont = 1;  // not kept in the document
    EXPECT_TRUE(docs->confirmExit());
    EXPECT_TRUE(notes.questions.empty());
    c->settings.schedulePage[0][0] = 4;  // not only titles count
    notes.answers = {true};
    EXPECT_TRUE(docs->confirmExit());
    EXPECT_EQ(notes.questions, std::vector<std::string>{"データを保存せずに終了しますか？"});
    EXPECT_TRUE(c->app.documentModified);
}

TEST_F(DocumentCommandsTest, ExitAnsweredYesEndsWithoutSaving) {
    c->app.currentFileName = file("a.dat");
    editTitle("t");
    notes.answers = {true};
    EXPECT_TRUE(docs->confirmExit());
    EXPECT_EQ(notes.questions, std::vector<std::string>{"データを保存せずに終了しますか？"});
    EXPECT_FALSE(fs::exists(file("a.dat")));
}

TEST_F(DocumentCommandsTest, ExitAnsweredNoSavesOrStaysOpen) {
    editTitle("t");
    // No file yet: the save dialog comes; cancelling it keeps the program open.
    notes.answers = {false};
    EXPECT_FALSE(docs->confirmExit());
    EXPECT_EQ(chooser.saves, 1);
    EXPECT_TRUE(c->app.documentModified);

    // A save that cannot open its file keeps it open as well.
    notes.answers = {false};
    chooser.answers = {file("missing/x")};
    EXPECT_FALSE(docs->confirmExit());
    EXPECT_NE(noticeTexts().back().find(file("missing/x.dat")), std::string::npos);

    notes.answers = {false};
    chooser.answers = {file("kept")};
    EXPECT_TRUE(docs->confirmExit());
    EXPECT_TRUE(fs::exists(file("kept.dat")));

    // With a current file, Save runs without a dialog.
    editTitle("again");
    notes.answers = {false};
    EXPECT_TRUE(docs->confirmExit());
    EXPECT_EQ(chooser.saves, 3);
    auto back = makeConsole(Product::Multi);
    ASSERT_TRUE(SettingsFile::load(*back, file("kept.dat")));
    EXPECT_EQ(cellText(back->settings.titleText[0][0]), "again");

    c->app.currentFileName = dir.string();  // a folder cannot be written
    editTitle("x");
    notes.answers = {false};
    EXPECT_FALSE(docs->confirmExit());
}

TEST_F(DocumentCommandsTest, ExitCancelStaysAndOnlyASaveOrALetGoSettlesTheDocument) {
    c->app.currentFileName = file("a.dat");
    editTitle("t");
    int settled = 0;
    docs->whenSettled([&settled] { ++settled; });
    notes.choices = {Answer::Cancel};
    EXPECT_FALSE(docs->confirmExit());
    EXPECT_FALSE(fs::exists(file("a.dat")));
    EXPECT_TRUE(c->app.documentModified);
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "t");

    // Declined questions and failed saves keep the recovered document unsettled.
    notes.answers = {false};
    docs->newDocument();
    c->app.currentFileName = dir.string();
    EXPECT_FALSE(docs->saveDocument());
    EXPECT_EQ(settled, 0);
    c->app.currentFileName = file("a.dat");
    ASSERT_TRUE(docs->saveDocument());
    EXPECT_EQ(settled, 1);

    // Ending without saving lets it go, as New and Open do; once only.
    for (auto letGo : std::vector<std::function<void()>>{[&] {
                                                             notes.choices = {Answer::Yes};
                                                             EXPECT_TRUE(docs->confirmExit());
                                                         },
                                                         [&] { docs->newDocument(); },
                                                         [&] {
                                                             chooser.answers = {file("a.dat")};
                                                             docs->openDocument();
                                                         }}) {
        settled = 0;
        editTitle("u");
        docs->whenSettled([&settled] { ++settled; });
        letGo();
        EXPECT_EQ(settled, 1);
        c->app.currentFileName = file("a.dat");
        ASSERT_TRUE(docs->saveDocument());
        EXPECT_EQ(settled, 1);
    }
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(DocumentCommandsTest, SaveFailingMidwayKeepsTheOldFileAndTheQuestion) {
    chooser.answers = {file("a.dat")};
    ASSERT_TRUE(docs->saveDocumentAs());
    const std::string old = bytesOf(file("a.dat"));
    editTitle("unsaved");

    // A file-size limit, as a full disk behaves, in a child so the limit stays there.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{50 * 1024, 50 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = docs->saveDocument();
        notes.answers = {false};  // "save first": the save fails again, the program stays
        const bool ended = docs->confirmExit();
        const bool told = notes.notices.size() == 2 && notes.notices[0].text.find(file("a.dat")) != std::string::npos;
        ::_exit(!saved && !ended && told && c->app.documentModified ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(bytesOf(file("a.dat")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // The folder vanished under the open document.
    fs::create_directories(dir / "sub");
    chooser.answers = {file("sub/b.dat")};
    ASSERT_TRUE(docs->saveDocumentAs());
    editTitle("again");
    fs::remove_all(dir / "sub");
    EXPECT_FALSE(docs->saveDocument());
    EXPECT_TRUE(c->app.documentModified);
    notes.answers = {false};
    EXPECT_FALSE(docs->confirmExit());
    EXPECT_EQ(notes.notices.size(), 2u);
}

TEST_F(DocumentCommandsTest, OpenRefusesWhatIsNoDocumentOfThisModel) {
    editTitle("kept");
    auto single = makeConsole(Product::Single);
    ASSERT_TRUE(SettingsFile::save(*single, file("single.dat")));
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
    { std::ofstream(file("big.dat")); }
    fs::resize_file(file("big.dat"), kDocumentSizeCap + 1);

    for (const std::string& path : {std::string("/dev/zero"), file("fifo"), file("big.dat"), file("single.dat")}) {
        notes.notices.clear();
        notes.answers = {true};
        chooser.answers = {path};
        docs->openDocument();
        ASSERT_EQ(notes.notices.size(), 1u) << path;
        EXPECT_NE(notes.notices[0].text.find(path), std::string::npos) << path;
        EXPECT_EQ(cellText(c->settings.titleText[0][0]), "kept") << path;
        EXPECT_EQ(c->app.currentFileName, "") << path;
        EXPECT_TRUE(c->app.documentModified) << path;
    }
    EXPECT_NE(notes.notices[0].text.find("別の機種"), std::string::npos);
    EXPECT_TRUE(shown.empty());
}

// What the operator reads in English: the data in its place, the count in its plural.
struct EnglishNotifier : RecordingNotifier {
    std::vector<std::string> shown;
    void notify(const Message&, const Message& text, NoticeIcon, bool) override { shown.push_back(renderUtf8(text)); }
    bool ask(const Message&, const Message& text) override {
        shown.push_back(renderUtf8(text));
        return false;
    }
    Answer askYesNoCancel(const Message&, const Message& text) override {
        shown.push_back(renderUtf8(text));
        return Answer::Cancel;
    }
};

TEST_F(DocumentCommandsTest, NoticesAndQuestionsInEnglish) {
    installUiLanguage(UiLanguage::English);
    EnglishNotifier english;
    c->notifier = &english;
    const std::string whole = SettingsFile::serialize(*c);
    std::ofstream(file("short.dat"), std::ios::binary) << whole.substr(0, whole.size() - 20);
    chooser.answers = {file("short.dat")};
    docs->openDocument();
    EXPECT_FALSE(docs->confirmExit());
    RecoveryCopy copy(dir.string(), Product::Multi);
    c->app.currentFileName.clear();
    ASSERT_TRUE(copy.save(*c));
    EXPECT_FALSE(copy.offer(*c, nullptr));
    installUiLanguage(UiLanguage::Japanese);
    ASSERT_EQ(english.shown.size(), 3u);
    EXPECT_NE(english.shown[0].find(" settings were not in the file. They are set to their defaults."), std::string::npos)
        << english.shown[0];
    EXPECT_EQ(english.shown[1], "Exit without saving the changes?");
    EXPECT_EQ(english.shown[2], "The program ended last time with unsaved data.\n(unnamed)\nOpen it?");
}

}  // namespace
}  // namespace vrq
