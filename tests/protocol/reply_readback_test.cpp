// Read-back answers land in the settings model: device-wide values, the
// per-page display answers of both programs, titles and glyph patterns.

#include <gtest/gtest.h>

#include <vector>

#include "model/text_cell.h"
#include "protocol/reply_dispatch.h"
#include "protocol/title_decode.h"
#include "reply_test_support.h"

namespace vrq {
namespace {

using test::repeat;
using test::ReplyConsole;

// The model's bytes, to show that a line stored nothing at all.
std::vector<char> snapshot(const SettingsModel& s) {
    const char* p = reinterpret_cast<const char*>(&s);
    return std::vector<char>(p, p + sizeof s);
}

TEST(DeviceReadBackTest, AlarmRemoteAndOtherSettings) {
    ReplyConsole t;
    SettingsModel& s = t.c->settings;
    t.serial("ACA005006007008009010011512");
    EXPECT_EQ(s.connectorAssign[0], 4);
    EXPECT_EQ(s.connectorAssign[7], 511);
    t.serial("RCA001001001001001001001002");
    EXPECT_EQ(s.connectorAssign[0], 0);
    EXPECT_EQ(s.connectorAssign[7], 1);

    t.serial("ADOF");
    t.serial("AROF");
    t.serial("AME");
    t.serial("APB");
    t.serial("ADT120");
    EXPECT_EQ(s.alarmDisplay, 0);
    EXPECT_EQ(s.alarmReturn, 0);
    EXPECT_EQ(s.alarmMode, 1);
    EXPECT_EQ(s.alarmPolarity, 1);
    EXPECT_EQ(cellText(s.alarmHoldTime), "120");
    t.serial("ADOX");  // any letter but F is on
    t.serial("AMI");
    t.serial("APM");
    EXPECT_EQ(s.alarmDisplay, 1);
    EXPECT_EQ(s.alarmMode, 0);
    EXPECT_EQ(s.alarmPolarity, 0);

    for (const auto& [reply, mode] : {std::pair{"RMBIN", 0}, {"RMBIT", 1}, {"RMOPE", 2}}) {
        t.serial(reply);
        EXPECT_EQ(s.remoteMode, mode) << reply;
    }
    t.serial("CFZON");
    t.serial("CIR");
    t.serial("VLBCB");
    t.serial("TSDON");
    t.serial("TSDR8");
    EXPECT_EQ(s.zoomFont, 1);
    EXPECT_EQ(s.connectorInput, 1);
    EXPECT_EQ(s.videoLossBackColour, 1);
    EXPECT_EQ(s.clockDisplayOn, 1);
    EXPECT_EQ(s.clockDisplayRange, 7);
    EXPECT_FALSE(t.c->reply.replyError);
    EXPECT_TRUE(t.notes.notices.empty());
}

TEST(DeviceReadBackTest, PowerOnPageAndItsRange) {
    ReplyConsole t;
    t.serial("POSPAS");
    EXPECT_EQ(t.c->settings.powerOnPage, kPowerOnPas);
    t.serial("POSP005");
    EXPECT_EQ(t.c->settings.powerOnPage, 4);
    t.serial("POSP000");
    t.serial("POSP513");
    t.serial("POSP01");
    EXPECT_EQ(t.c->settings.powerOnPage, 4);
}

TEST(DeviceReadBackTest, NetworkInterface) {
    ReplyConsole t;
    SettingsModel& s = t.c->settings;
    t.serial("EIA010.000.000.005");
    t.serial("EGA192.168.001.254");
    t.serial("EAA172.016.000.001");
    t.serial("EMA00-80-45-1A-2B-3C");
    t.serial("ESMB");
    t.serial("EPN10001");
    t.serial("ECTON");
    t.serial("EKAON");
    t.serial("ETR3");
    EXPECT_EQ(s.netIpAddress, (Octets{10, 0, 0, 5}));
    EXPECT_EQ(s.netGatewayAddress, (Octets{192, 168, 1, 254}));
    EXPECT_EQ(s.netActiveAddress, (Octets{172, 16, 0, 1}));
    EXPECT_EQ(cellText(s.netMacAddress), "00-80-45-1A-2B-3C");
    EXPECT_EQ(s.netSubnetClass, 1);
    EXPECT_EQ(cellText(s.netPortNumber), "10001");
    EXPECT_EQ(s.netConnectionTry, 1);
    EXPECT_EQ(s.netKeepAlive, 1);
    EXPECT_EQ(s.netTimeRegister, 2);

    t.serial("EIA010.000");  // too short for four octets
    t.serial("EMA00-80");
    EXPECT_EQ(s.netIpAddress, (Octets{10, 0, 0, 5}));
    EXPECT_EQ(cellText(s.netMacAddress), "00-80-45-1A-2B-3C");
}

TEST(DisplayReadBackTest, PerPageAnswersOfTheMultiLineProgram) {
    ReplyConsole t;
    SettingsModel& s = t.c->settings;
    t.serial("CABC001" + std::string("10213243546576071021"));
    EXPECT_EQ(s.lineCharColour[0][0], 1);
    EXPECT_EQ(s.lineEdgeColour[0][0], 0);
    EXPECT_EQ(s.lineCharColour[0][9], 2);
    EXPECT_EQ(s.lineEdgeColour[0][9], 1);

    t.serial("CBS512NFFFFFFFFN");
    EXPECT_EQ(s.lineBlink[511][0], 1);
    EXPECT_EQ(s.lineBlink[511][1], 0);
    EXPECT_EQ(s.lineBlink[511][9], 1);
    t.serial("CFS002LMSLMSLMSX");
    EXPECT_EQ(s.lineCharSize[1][0], 0);
    EXPECT_EQ(s.lineCharSize[1][1], 1);
    EXPECT_EQ(s.lineCharSize[1][2], 2);
    EXPECT_EQ(s.lineCharSize[1][9], 2);
    t.serial("FB003FFFFFFFFFN");
    EXPECT_EQ(s.lineFill[2][9], 1);
    EXPECT_EQ(s.lineFill[2][0], 0);
    t.serial("IDLS004" + std::string("00010203040506070899"));
    EXPECT_EQ(s.lineSpacing[3][1], 1);
    EXPECT_EQ(s.lineSpacing[3][9], 99);

    t.serial("CL" + repeat("31", 511) + "04");
    EXPECT_EQ(s.pageCharWhiteLevel[0], 3);
    EXPECT_EQ(s.pageCharBlackLevel[0], 1);
    EXPECT_EQ(s.pageCharBlackLevel[511], 4);
    t.serial("PAST" + repeat("05", 511) + "60");
    EXPECT_EQ(s.pageAutoSwitch[0], 5);
    EXPECT_EQ(s.pageAutoSwitch[511], 60);
    EXPECT_TRUE(t.notes.notices.empty());
}

TEST(DisplayReadBackTest, OutOfRangeOrShortLinesStoreNothing) {
    ReplyConsole t;
    SettingsModel& s = t.c->settings;
    const std::vector<char> before = snapshot(s);
    t.serial("CBS000NNNNNNNNNN");
    t.serial("CBS513NNNNNNNNNN");
    t.serial("CBS001NNNN");
    t.serial("CABC000" + repeat("99", 10));
    t.serial("FB513NNNNNNNNNN");
    t.serial("IDLS513" + repeat("99", 10));
    t.serial("CA000" + repeat("3021", 280));
    t.serial("CA001" + repeat("3021", 279));
    t.serial("SD32" + repeat("0830001", 24));
    t.serial("SD00" + repeat("0830001", 24));
    t.serial("SD01" + repeat("0830001", 23));
    t.serial("CL" + repeat("31", 511));
    t.serial("PAST" + repeat("05", 100));
    EXPECT_TRUE(before == snapshot(s));
    EXPECT_FALSE(t.c->reply.replyError);
    EXPECT_TRUE(t.notes.notices.empty());
}

TEST(DisplayReadBackTest, ScheduleEntries) {
    ReplyConsole t;
    SettingsModel& s = t.c->settings;
    t.serial("SD31" + std::string("0830PAS") + "0000000" + "2359512" + repeat("1200007", 21));
    EXPECT_EQ(s.scheduleHour[30][0], 8);
    EXPECT_EQ(s.scheduleMinute[30][0], 30);
    EXPECT_EQ(s.schedulePage[30][0], kSchedulePas);
    EXPECT_EQ(s.scheduleHour[30][1], 0);
    EXPECT_EQ(s.scheduleMinute[30][1], 0);
    EXPECT_EQ(s.schedulePage[30][1], kScheduleNone);
    EXPECT_EQ(s.schedulePage[30][2], 511);
    EXPECT_EQ(s.scheduleHour[30][23], 12);
    EXPECT_EQ(s.schedulePage[30][23], 6);
    EXPECT_EQ(s.schedulePage[29][0], kScheduleNone);  // other days untouched
}

// 280 codes of hex text: `codes` first, the rest full-width spaces.
std::string titleHex(const std::string& codes, int count) {
    return codes + repeat("2121", 280 - count);
}

TEST(TitleReadBackTest, TrailingSpacesEndTheTextLineByLine) {
    ReplyConsole t;
    // 250 kanji 0x3021 ("亜", Shift-JIS 88 9F), then 30 full-width spaces.
    t.serial("CA007" + titleHex(repeat("3021", 250), 250));
    const auto& page = t.c->settings.titleText[6];
    for (int line = 0; line < 8; ++line) EXPECT_EQ(cellText(page[line]).size(), 56u) << line;
    EXPECT_EQ(cellText(page[8]).size(), 52u);  // 26 characters
    EXPECT_EQ(cellText(page[9]), "");
    EXPECT_EQ(static_cast<unsigned char>(page[0][0]), 0x88);
    EXPECT_EQ(static_cast<unsigned char>(page[0][1]), 0x9F);
}

TEST(TitleReadBackTest, SpacesInsideStayAndCodesBeyondTheTableBecomeSpaces) {
    // "亜", a full-width space, a code above 0x7C7E, "亜": the inner blanks stay.
    const std::string decoded = decodeTitleHex(titleHex("3021" "2121" "7D21" "3021", 4));
    ASSERT_EQ(decoded.size(), kTitleTextBytes);
    EXPECT_EQ(decoded.substr(0, 8), "\x88\x9F\x81\x40\x81\x40\x88\x9F");
    EXPECT_EQ(decoded[8], '\0');
    // A trailing code above the table counts as a blank and is dropped.
    EXPECT_EQ(decodeTitleHex(titleHex("3021" "7E7E", 2)).substr(0, 3), std::string("\x88\x9F\0", 3));
}

TEST(TitleReadBackTest, RewritesEveryLineOfThePage) {
    ReplyConsole t;
    setCell(t.c->settings.titleText[0][9], "old");
    t.serial("CA001" + titleHex("3021", 1));
    EXPECT_EQ(cellText(t.c->settings.titleText[0][0]), "\x88\x9F");
    EXPECT_EQ(cellText(t.c->settings.titleText[0][9]), "");
}

TEST(GlyphReadBackTest, PatternsOfTheThreeSizes) {
    ReplyConsole t;
    std::string sizes;
    t.c->glyphStored = [&](char size) { sizes.push_back(size); };
    const std::pair<const char*, std::size_t> cases[] = {{"FBML", 576}, {"FBMM", 256}, {"FBMS", 144}};
    for (const auto& [mnemonic, digits] : cases) {
        t.c->glyph.pattern.clear();
        t.c->reply.glyphReplyPending = true;
        t.serial(std::string(mnemonic) + "A365" + std::string(digits - 1, 'F') + "E");
        EXPECT_EQ(t.c->glyph.pattern.at(0), 'F');
        EXPECT_EQ(t.c->glyph.pattern.at(digits - 1), 'E');
        EXPECT_EQ(t.c->glyph.pattern.at(digits), '0');
        EXPECT_FALSE(t.c->reply.glyphReplyPending);
    }
    EXPECT_EQ(sizes, "LMS");

    // A cut answer, or one with a stray character, is dropped whole; the
    // editor keeps what it showed, and the operator who asked is told.
    t.c->glyph.pattern.clear();
    for (const std::string& damaged : {"FBMSA365" + std::string(143, 'F'), "FBMSA365" + std::string(142, 'F') + "\x81"}) {
        t.notes.notices.clear();
        t.c->reply.glyphReplyPending = true;
        t.serial(damaged);
        EXPECT_EQ(t.c->glyph.pattern.at(0), '0');
        EXPECT_EQ(t.lastText(), kGlyphAnswerDamagedText.source);
        EXPECT_FALSE(t.c->reply.glyphReplyPending);
    }
    // Unasked, it is only dropped.
    t.notes.notices.clear();
    t.serial("FBMSA365" + std::string(143, 'F'));
    EXPECT_TRUE(t.notes.notices.empty());
    EXPECT_EQ(sizes, "LMS");
}

TEST(SingleLineReadBackTest, AllPagesAnswers) {
    ReplyConsole t(Product::Single);
    SettingsModel& s = t.c->settings;
    t.serial("CABC" + repeat("12", 511) + "34");
    EXPECT_EQ(s.lineCharColour[0][0], 1);
    EXPECT_EQ(s.lineEdgeColour[0][0], 2);
    EXPECT_EQ(s.lineCharColour[511][0], 3);
    EXPECT_EQ(s.lineEdgeColour[511][0], 4);
    t.serial("CBS" + repeat("N", 511) + "F");
    EXPECT_EQ(s.lineBlink[0][0], 1);
    EXPECT_EQ(s.lineBlink[511][0], 0);
    t.serial("CFS" + repeat("M", 511) + "L");
    EXPECT_EQ(s.lineCharSize[0][0], 1);
    EXPECT_EQ(s.lineCharSize[511][0], 0);
    t.serial("FB" + repeat("N", 512));
    EXPECT_EQ(s.lineFill[511][0], 1);
    t.serial("IDO" + repeat("07", 511) + "15");
    EXPECT_EQ(s.pagePositionOffset[0], 7);
    EXPECT_EQ(s.pagePositionOffset[511], 15);
    t.serial("IDP" + repeat("T", 511) + "B");
    EXPECT_EQ(s.pageDisplayPosition[0], 0);
    EXPECT_EQ(s.pageDisplayPosition[511], 1);
    t.serial("ISS" + repeat("1", 511) + "5");
    EXPECT_EQ(s.pageScrollSpeed[0], 0);
    EXPECT_EQ(s.pageScrollSpeed[511], 4);
    t.serial("PAS" + repeat("S", 511) + "L");
    EXPECT_EQ(s.pageAutoSwitch[0], 0);
    EXPECT_EQ(s.pageAutoSwitch[511], 1);

    const std::vector<char> before = snapshot(s);
    t.serial("CBS" + repeat("F", 511));  // one page short
    t.serial("ISS" + repeat("3", 100));
    EXPECT_TRUE(before == snapshot(s));
}

TEST(SingleLineReadBackTest, TitleIsThePagesWholeText) {
    ReplyConsole t(Product::Single);
    t.serial("CA512" + titleHex(repeat("3021", 40), 40));
    EXPECT_EQ(cellText(t.c->settings.singleTitleText[511]).size(), 80u);
    EXPECT_EQ(cellText(t.c->settings.titleText[511][0]), "");
}

TEST(SingleLineReadBackTest, RowsBelongToTheirProgram) {
    ReplyConsole multi;
    multi.serial("IDO" + repeat("07", 512));
    multi.serial("PAS" + repeat("S", 512));
    EXPECT_EQ(multi.c->settings.lineSpacing[0][0], 0);
    EXPECT_EQ(multi.c->settings.pagePositionOffset[0], 0);
    EXPECT_EQ(multi.c->settings.pageAutoSwitch[0], 3);

    ReplyConsole single(Product::Single);
    single.serial("CBS001NNNNNNNNNN");  // the multi-line shape is too short here
    EXPECT_EQ(single.c->settings.lineBlink[0][0], 0);
}

}  // namespace
}  // namespace vrq
