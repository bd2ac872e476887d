#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/text_cell.h"

namespace vrq {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitCrLf(const std::string& doc) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < doc.size()) {
        const std::size_t end = doc.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(doc.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(doc.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

// Index of the first record of each block in a multi-line document.
constexpr int kTitles = 3;
constexpr int kCharSize = kTitles + 5120;
constexpr int kHoldTime = 40146 - 19;  // before eight connectors and the last ten numbers

TEST(SettingsFile, DefaultDocumentShape) {
    for (Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        const auto lines = splitCrLf(SettingsFile::serialize(*c));
        const int titles = p == Product::Single ? 512 : 5120;
        ASSERT_EQ(static_cast<int>(lines.size()), p == Product::Single ? kSingleDocumentLines : kMultiDocumentLines);
        EXPECT_EQ(static_cast<int>(lines.size()), SettingsFile::recordCount(p));
        EXPECT_EQ(lines[0], "0");
        EXPECT_EQ(lines[1], "0");
        EXPECT_EQ(lines[2], "0");
        for (int i = 0; i < titles; ++i) ASSERT_EQ(lines[3 + i], "s") << i;
        EXPECT_EQ(lines[3 + titles], "1");  // first character size
        const std::size_t hold = lines.size() - 19;
        EXPECT_EQ(lines[hold], "010");
        EXPECT_EQ(lines[hold + 1], "0");  // connector No.1 = page index 0
        EXPECT_EQ(lines[hold + 8], "7");
        EXPECT_EQ(lines[lines.size() - 5], "7");  // displayOffsetV, written by both programs
        EXPECT_EQ(lines.back(), "5");             // netTimeRegister
    }
}

void scribbleForFile(Console& c) {
    auto& s = c.settings;
    s.clockDisplayOn = 1;
    s.clockDisplayRange = 7;
    s.clockDisplaySize = 1;
    setCell(s.titleText[0][0], "  two  spaces ");
    setCell(s.titleText[511][9], "\x82\xa0\x82\xa2 kana");
    setCell(s.singleTitleText[300], "single title");
    s.lineCharSize[511][9] = 0;
    s.lineSpacing[3][4] = 63;
    s.pagePositionOffset[5] = 15;
    s.lineBlink[100][5] = 1;
    s.pageAutoSwitch[7] = 99;
    s.lineCharColour[1][2] = 3;
    s.lineEdgeColour[2][3] = 4;
    s.lineFill[4][5] = 1;
    s.pageCharWhiteLevel[0] = 4;
    s.pageCharBlackLevel[511] = 0;
    s.pageDisplayPosition[8] = 2;
    s.scheduleHour[30][23] = 1;
    s.scheduleMinute[15][2] = 59;
    s.schedulePage[0][0] = 512;
    s.alarmMode = 1;
    s.alarmPolarity = 1;
    s.alarmReturn = 0;
    s.alarmDisplay = 0;
    setCell(s.alarmHoldTime, "5s");
    s.connectorAssign[7] = 511;
    s.remoteMode = 2;
    s.connectorInput = 1;
    s.powerOnPage = 512;
    s.videoLossBackColour = 1;
    s.displayOffsetH = -3;
    s.displayOffsetV = 12;
    s.netSubnetClass = 0;
    s.netConnectionTry = 1;
    s.netKeepAlive = 1;
    s.netTimeRegister = 2;
}

TEST(SettingsFile, RoundTripKeepsPersistedFields) {
    for (Product p : {Product::Multi, Product::Single}) {
        auto a = makeConsole(p);
        scribbleForFile(*a);
        a->settings.zoomFont = 1;
        setCell(a->settings.titleText[9][1], "s");
        const std::string doc = SettingsFile::serialize(*a);

        auto b = makeConsole(p);
        EXPECT_EQ(SettingsFile::deserialize(*b, doc), SettingsFile::recordCount(p));
        EXPECT_EQ(b->settings.zoomFont, 0);  // not part of the document
        if (p == Product::Multi) {
            EXPECT_EQ(cellText(b->settings.titleText[0][0]), "  two  spaces ");
            EXPECT_EQ(cellText(b->settings.titleText[9][1]), "");  // "s" stands for empty
        } else {
            EXPECT_EQ(cellText(b->settings.singleTitleText[300]), "single title");
            EXPECT_EQ(cellText(b->settings.titleText[0][0]), "");  // multi titles not carried
        }
        EXPECT_EQ(b->settings.displayOffsetH, -3);
        EXPECT_EQ(b->settings.powerOnPage, 512);
        EXPECT_EQ(cellText(b->settings.alarmHoldTime), "5s");
        setCell(a->settings.titleText[9][1], "");
        EXPECT_EQ(SettingsFile::serialize(*b), SettingsFile::serialize(*a));
    }
}

// Documents written before the offset had a field of its own: the single-line
// program kept it in the first line's spacing cell, and the bytes stay so.
TEST(SettingsFile, SingleLineOffsetSitsInTheFirstSpacingCell) {
    constexpr int kSingleSpacing = kTitles + 512 + 5120;
    auto a = makeConsole(Product::Single);
    auto lines = splitCrLf(SettingsFile::serialize(*a));
    lines[kSingleSpacing + 20] = "11";  // page 3
    lines[kSingleSpacing + 23] = "5";   // page 3, an unused line
    std::string doc;
    for (const auto& l : lines) doc += l + "\r\n";
    auto b = makeConsole(Product::Single);
    ASSERT_EQ(SettingsFile::deserialize(*b, doc), kSingleDocumentLines);
    EXPECT_EQ(b->settings.pagePositionOffset[2], 11);
    EXPECT_EQ(b->settings.lineSpacing[2][3], 5);
    EXPECT_EQ(SettingsFile::serialize(*b), doc);

    b->settings.lineSpacing[2][0] = 40;  // no meaning in this program, never written
    EXPECT_EQ(SettingsFile::serialize(*b), doc);
}

TEST(SettingsFile, EmptyHoldTimeIsEmptyLineAndKeepsLaterRecords) {
    auto a = makeConsole(Product::Multi);
    setCell(a->settings.alarmHoldTime, "");
    a->settings.connectorAssign[0] = 42;
    const std::string doc = SettingsFile::serialize(*a);
    const auto lines = splitCrLf(doc);
    EXPECT_EQ(lines[kHoldTime], "");
    EXPECT_EQ(lines[kHoldTime + 1], "42");

    auto b = makeConsole(Product::Multi);
    SettingsFile::deserialize(*b, doc);
    EXPECT_EQ(cellText(b->settings.alarmHoldTime), "");
    EXPECT_EQ(b->settings.connectorAssign[0], 42);
    EXPECT_EQ(b->settings.netTimeRegister, 5);
}

TEST(SettingsFile, LoneLineFeedsAreAccepted) {
    auto a = makeConsole(Product::Multi);
    scribbleForFile(*a);
    const std::string lf = joinLf(splitCrLf(SettingsFile::serialize(*a)));
    auto b = makeConsole(Product::Multi);
    EXPECT_EQ(SettingsFile::deserialize(*b, lf), kMultiDocumentLines);
    EXPECT_EQ(SettingsFile::serialize(*b), SettingsFile::serialize(*a));
}

TEST(SettingsFile, WritingATextWithALineBreakKeepsRecordsInPlace) {
    auto a = makeConsole(Product::Multi);
    setCell(a->settings.titleText[0][0], "a\nb\rc");
    const auto lines = splitCrLf(SettingsFile::serialize(*a));
    ASSERT_EQ(static_cast<int>(lines.size()), kMultiDocumentLines);
    EXPECT_EQ(lines[kTitles], "a b c");
}

TEST(SettingsFile, DamagedDocumentsLoadSafely) {
    auto base = makeConsole(Product::Multi);
    auto lines = splitCrLf(SettingsFile::serialize(*base));

    // Over-long title: cut at the cell, never splitting a double-byte character.
    lines[kTitles] = std::string(300, 'x');
    lines[kTitles + 1] = std::string(58, 'y') + "\x82\xa0" + "zz";
    lines[kTitles + 2] = std::string("ab\0cd", 5);
    // Letters, blanks, signs and huge values where numbers belong.
    lines[0] = "abc";
    lines[1] = "  -4x";
    lines[kCharSize] = "";
    lines[kCharSize + 1] = "99999999999999999999";
    lines[kHoldTime] = "123456";

    auto c = makeConsole(Product::Multi);
    c->settings.clockDisplayOn = 9;
    EXPECT_EQ(SettingsFile::deserialize(*c, joinLf(lines)), kMultiDocumentLines);
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), std::string(59, 'x'));
    EXPECT_EQ(cellText(c->settings.titleText[0][1]), std::string(58, 'y'));
    EXPECT_EQ(cellText(c->settings.titleText[0][2]), "ab");
    EXPECT_EQ(c->settings.titleText[0][0][59], '\0');
    EXPECT_EQ(c->settings.clockDisplayOn, 0);
    EXPECT_EQ(c->settings.clockDisplayRange, -4);
    EXPECT_EQ(c->settings.lineCharSize[0][0], 0);
    EXPECT_EQ(c->settings.lineCharSize[0][1], 2147483647);
    EXPECT_EQ(cellText(c->settings.alarmHoldTime), "123");

    // Single-line titles are cut at their own, larger cell.
    auto s = makeConsole(Product::Single);
    auto sl = splitCrLf(SettingsFile::serialize(*s));
    sl[kTitles] = std::string(5000, 'q');
    SettingsFile::deserialize(*s, joinLf(sl));
    EXPECT_EQ(cellText(s->settings.singleTitleText[0]).size(), 1119u);
}

TEST(SettingsFile, DocumentEndingEarlyLoadsWhatItHas) {
    auto a = makeConsole(Product::Multi);
    scribbleForFile(*a);
    const std::string doc = SettingsFile::serialize(*a);
    const std::string half = doc.substr(0, doc.size() / 2);

    auto b = makeConsole(Product::Multi);
    b->settings.netTimeRegister = 0;
    const int loaded = SettingsFile::deserialize(*b, half);
    EXPECT_GT(loaded, 1000);
    EXPECT_LT(loaded, kMultiDocumentLines);
    EXPECT_EQ(cellText(b->settings.titleText[511][9]), "\x82\xa0\x82\xa2 kana");
    EXPECT_EQ(b->settings.netTimeRegister, 0);  // past the end: kept

    auto e = makeConsole(Product::Multi);
    EXPECT_EQ(SettingsFile::deserialize(*e, ""), 0);
    EXPECT_EQ(SettingsFile::deserialize(*e, std::string(100000, '\n')), kMultiDocumentLines);
    EXPECT_EQ(cellText(e->settings.titleText[0][0]), "");
    EXPECT_EQ(e->settings.lineCharColour[0][0], 0);
}

class SettingsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vrq_doc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(SettingsFileOnDisk, SaveAndLoadByPath) {
    auto a = makeConsole(Product::Multi);
    scribbleForFile(*a);
    const std::string path = (dir_ / "日本語.dat").string();
    ASSERT_TRUE(SettingsFile::save(*a, path));
    EXPECT_EQ(fs::file_size(path), SettingsFile::serialize(*a).size());

    auto b = makeConsole(Product::Multi);
    ASSERT_TRUE(SettingsFile::load(*b, path));
    EXPECT_EQ(SettingsFile::serialize(*b), SettingsFile::serialize(*a));

    auto c = makeConsole(Product::Multi);
    EXPECT_FALSE(SettingsFile::load(*c, (dir_ / "none.dat").string()));
    EXPECT_FALSE(SettingsFile::load(*c, dir_.string()));
    EXPECT_FALSE(SettingsFile::save(*c, (dir_ / "no" / "x.dat").string()));
    EXPECT_FALSE(SettingsFile::save(*c, ""));
    EXPECT_EQ(c->settings.clockDisplayOn, 0);
}

// Not a timed assertion: reports how long a full document takes on this machine.
TEST_F(SettingsFileOnDisk, BenchmarkFullMultiLineDocument) {
    using Clock = std::chrono::steady_clock;
    auto a = makeConsole(Product::Multi);
    for (auto& page : a->settings.titleText)
        for (auto& cell : page) setCell(cell, std::string(56, 'T'));
    const std::string path = (dir_ / "bench.dat").string();
    constexpr int kRounds = 5;
    double saveMs = 0, loadMs = 0;
    for (int i = 0; i < kRounds; ++i) {
        auto t0 = Clock::now();
        ASSERT_TRUE(SettingsFile::save(*a, path));
        auto t1 = Clock::now();
        ASSERT_TRUE(SettingsFile::load(*a, path));
        auto t2 = Clock::now();
        saveMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        loadMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    std::printf("full multi-line document, %ju bytes: save %.2f ms, load %.2f ms (mean of %d)\n",
                static_cast<std::uintmax_t>(fs::file_size(path)), saveMs / kRounds, loadMs / kRounds, kRounds);
    RecordProperty("save_ms", std::to_string(saveMs / kRounds));
    RecordProperty("load_ms", std::to_string(loadMs / kRounds));
}

}  // namespace
}  // namespace vrq

namespace vrq {
namespace {

// A document cut short keeps nothing of the one open before: its missing
// records are defaults and are counted; an empty file is no document.
TEST(SettingsFileOpenTest, AShortDocumentNeverMixesInThePreviousOne) {
    const std::string dir = ::testing::TempDir();
    auto rich = makeConsole(Product::Multi);
    setCell(rich->settings.titleText[511][9], "last title");
    rich->settings.lineBlink[511][9] = 1;
    const std::string full = SettingsFile::serialize(*rich);
    const std::string cutPath = dir + "/vrq_cut.dat", emptyPath = dir + "/vrq_empty.dat";
    {
        std::ofstream(cutPath, std::ios::binary) << full.substr(0, 100);
        std::ofstream(emptyPath, std::ios::binary) << "";
    }
    int missing = 0;
    ASSERT_TRUE(SettingsFile::load(*rich, cutPath, &missing));
    EXPECT_GT(missing, 0);
    EXPECT_EQ(cellText(rich->settings.titleText[511][9]), "");
    EXPECT_EQ(rich->settings.lineBlink[511][9], 0);

    const FileResult r = SettingsFile::load(*rich, emptyPath, &missing);
    EXPECT_EQ(r.problem, FileProblem::NotADocument);
}

// Random bytes and a text are refused before anything is stored, whatever
// their length; a document with one damaged number still opens.
TEST(SettingsFileOpenTest, OnlyDocumentsOpen) {
    std::string random(10240, '\0');
    std::uint32_t x = 12345;
    for (char& ch : random) ch = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Line " + std::to_string(i) + " of a README\n";
    for (const Product p : {Product::Multi, Product::Single}) {
        const std::string doc = SettingsFile::serialize(*makeConsole(p));
        std::string longText;
        for (int i = 0; i < SettingsFile::recordCount(p); ++i) longText += "word\n";
        std::string damaged = doc;
        damaged.replace(damaged.find("\r\n0\r\n", doc.size() / 2), 7, "\r\nx\r\n");
        for (const std::string* bad : {&random, &text, &longText})
            EXPECT_EQ(SettingsFile::check(*bad, p), FileProblem::NotADocument);
        EXPECT_EQ(SettingsFile::check(damaged, p), FileProblem::None);
        EXPECT_EQ(SettingsFile::check(doc.substr(0, 3000), p), FileProblem::None);
    }
}

}  // namespace
}  // namespace vrq

namespace vrq {
namespace {

// Titles made of digits look like the other model's numbers; a whole
// document is still told by its length, in both directions.
TEST(SettingsFileOpenTest, DigitTitlesNeverMakeADocumentTheOtherModel) {
    for (const Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        for (int page = 0; page < kPages; ++page) {
            if (p == Product::Single) setCell(c->settings.singleTitleText[page], "110");
            for (int l = 0; l < kLines; ++l) setCell(c->settings.titleText[page][l], "119");
        }
        const std::string doc = SettingsFile::serialize(*c);
        const Product other = p == Product::Multi ? Product::Single : Product::Multi;
        EXPECT_EQ(SettingsFile::check(doc, p), FileProblem::None);
        EXPECT_EQ(SettingsFile::check(doc + "\r\n\x1a", p), FileProblem::None);
        EXPECT_EQ(SettingsFile::check(doc, other), FileProblem::OtherModel);
    }
}

}  // namespace
}  // namespace vrq
