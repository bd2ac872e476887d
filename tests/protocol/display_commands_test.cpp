#include <gtest/gtest.h>

#include <string>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/line_commands.h"
#include "protocol/page_commands.h"
#include "protocol/title_encode.h"

namespace vrq {
namespace {

std::string rep(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class DisplayCommands : public ::testing::Test {
protected:
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    SettingsModel& m = c->settings;
};

TEST_F(DisplayCommands, PerLineCommandsFromTheirTemplates) {
    m.lineBlink[2][9] = 1;
    EXPECT_EQ(blinkLineCommand(m, 2, 9).text(), "CBS003L10ON\r\n");
    m.lineBlink[0][1] = 5;  // any non-zero value is on
    EXPECT_EQ(blinkPageCommand(m, 0).text(), "CBS001FNFFFFFFFF\r\n");
    m.lineCharSize[0][0] = 1;
    EXPECT_EQ(charSizeLineCommand(m, 0, 0).text(), "CFS001L01M\r\n");
    m.lineCharSize[4][0] = 0;
    m.lineCharSize[4][9] = 2;
    EXPECT_EQ(charSizePageCommand(m, 4).text(), "CFS005LMMMMMMMMS\r\n");
    m.lineSpacing[511][9] = 63;
    EXPECT_EQ(spacingLineCommand(m, 511, 9).text(), "IDLS512L1063\r\n");
    m.lineSpacing[1][0] = 12;
    EXPECT_EQ(spacingPageCommand(m, 1).text(), "IDLS00212000000000000000000\r\n");
    m.lineCharColour[1][4] = 7;
    m.lineEdgeColour[1][4] = 0;
    EXPECT_EQ(colourLineCommand(m, 1, 4).text(), "CABC002L0570\r\n");
    m.lineCharColour[0][0] = 1;
    m.lineEdgeColour[0][0] = 8;
    EXPECT_EQ(colourPageCommand(m, 0).text(), "CABC00118707070707070707070\r\n");
    m.lineFill[0][9] = 1;
    EXPECT_EQ(fillPageCommand(m, 0).text(), "FB001FFFFFFFFFN\r\n");
    EXPECT_EQ(fillLineCommand(m, 0, 9).text(), "FB001L10ON\r\n");
}

TEST_F(DisplayCommands, DamagedValuesStayInsideTheirFields) {
    m.lineSpacing[0][0] = 999;
    m.lineCharColour[0][0] = -4;
    m.lineEdgeColour[0][0] = 42;
    EXPECT_EQ(spacingLineCommand(m, 0, 0).text(), "IDLS001L0163\r\n");
    EXPECT_EQ(colourLineCommand(m, 0, 0).text(), "CABC001L0108\r\n");
    m.pageAutoSwitch[0] = 150;
    EXPECT_EQ(autoSwitchPageCommand(m, 0).text(), "PAST00199\r\n");
}

TEST_F(DisplayCommands, PerPageCommands) {
    m.pageAutoSwitch[11] = 5;
    EXPECT_EQ(autoSwitchPageCommand(m, 11).text(), "PAST01205\r\n");
    m.pageAutoSwitch[11] = 3;
    const std::string all = autoSwitchAllCommand(m).text();
    EXPECT_EQ(all.size(), 1030u);
    EXPECT_EQ(all, "PAST" + rep("03", 512) + "\r\n");
    EXPECT_EQ(displayOnOffCommand(false).text(), "IDOF\r\n");
    EXPECT_EQ(displayOnOffCommand(true).text(), "IDON\r\n");
    EXPECT_EQ(displayPageCommand(0).text(), "P001\r\n");
    EXPECT_EQ(displayPageCommand(511).text(), "P512\r\n");
    EXPECT_EQ(displayPageCommand(512).text(), "PAS\r\n");
    m.pageCharWhiteLevel[0] = 4;
    m.pageCharBlackLevel[0] = 0;
    EXPECT_EQ(charLevelPageCommand(m, 0).text(), "CL00140\r\n");
    const std::string levels = charLevelAllCommand(m).text();
    EXPECT_EQ(levels.size(), 1028u);
    EXPECT_EQ(levels, "CL40" + rep("22", 511) + "\r\n");
}

TEST_F(DisplayCommands, ScheduleDayCarriesTwentyFourEntries) {
    for (int e = 0; e < kScheduleEntries; ++e) m.schedulePage[4][e] = kScheduleNone;  // "日OFF"
    std::string expect = "SD05";
    for (int e = 0; e < kScheduleEntries; ++e) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02d00000", e);
        expect += buf;
    }
    EXPECT_EQ(scheduleDayCommand(m, 4).text(), expect + "\r\n");
    EXPECT_EQ(scheduleDayCommand(m, 4).text().size(), 174u);

    m.scheduleHour[0][2] = 7;
    m.scheduleMinute[0][2] = 30;
    m.schedulePage[0][2] = 11;
    m.schedulePage[0][3] = kSchedulePas;
    const std::string day1 = scheduleDayCommand(m, 0).text();
    EXPECT_EQ(day1.substr(4 + 14, 7), "0730012");
    EXPECT_EQ(day1.substr(4 + 21, 7), "0300PAS");
}

TEST(TitleEncoding, CharacterRules) {
    EXPECT_EQ(titleCharToJis(0x82A0), 0x2422);  // hiragana a
    EXPECT_EQ(titleCharToJis(0x8140), 0x2121);  // full-width space
    EXPECT_EQ(titleCharToJis(0xFA40), 0x7C71);  // small Roman one
    EXPECT_EQ(titleCharToJis(0xFA49), 0x7C7A);
    EXPECT_EQ(titleCharToJis(0xFA55), 0x7C7C);
    EXPECT_EQ(titleCharToJis(0xFA5C), 0x7921);  // carried to 0xED40 first
    EXPECT_EQ(titleCharToJis(0xFBFC), titleCharToJis(0xEEE0));
    EXPECT_EQ(titleCharToJis(0xFC4B), titleCharToJis(0xEEEC));
    EXPECT_EQ(titleCharToJis(0x8740), 0x2D21);  // row-13 circled one
    EXPECT_EQ(titleCharToJis(0xEAA4), 0x7426);  // last level-2 kanji
    EXPECT_EQ(titleCharToJis(0xFA4A), 0);
    EXPECT_EQ(titleCharToJis(0xFA58), 0);
    EXPECT_EQ(titleCharToJis(0xFC4C), 0);
    EXPECT_EQ(titleCharToJis(0xF040), 0);  // user-defined area
    EXPECT_EQ(titleCharToJis(0xF9FC), 0);
    EXPECT_EQ(titleCharToJis(0x817F), 0);
    EXPECT_EQ(titleCharToJis(0x4142), 0);  // two ASCII letters
}

TEST(TitleEncoding, LinesFillWithFullWidthSpacesAndRefuseBadText) {
    EXPECT_EQ(*encodeTitleText("", 56), rep("2121", 28));
    EXPECT_EQ(*encodeTitleText("\x82\xA0", 56), "2422" + rep("2121", 27));
    const std::string full = rep("\x82\xA0", 28);
    EXPECT_EQ(*encodeTitleText(full, 56), rep("2422", 28));
    EXPECT_FALSE(encodeTitleText(full + "\x82\xA0", 56));              // too long
    EXPECT_FALSE(encodeTitleText("\x82\xA0" "A" "\x82\xA0", 56));      // odd
    EXPECT_FALSE(encodeTitleText("\x82\xA0" "AB", 56));                // ASCII pair
    EXPECT_FALSE(encodeTitleText("\xF0\x40", 56));                     // user-defined
    EXPECT_EQ(encodeTitleText("", 560)->size(), 1120u);
}

TEST_F(DisplayCommands, TitleCommandsAndPageRefusal) {
    setCell(m.titleText[0][0], "\x82\xA0");
    EXPECT_EQ(titleLineCommand(m, 0, 0)->text(), "CA001L01" "2422" + rep("2121", 27) + "\r\n");
    EXPECT_EQ(titleLineCommand(m, 0, 0)->bodyLength(), 120u);
    const std::optional<CommandLine> page = titlePageCommand(m, 0, Product::Multi);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->bodyLength(), 1125u);
    EXPECT_EQ(page->text().substr(0, 9), "CA0012422");
    EXPECT_EQ(titlePageCommand(m, 6, Product::Multi)->text(), "CA007" + rep("2121", 280) + "\r\n");

    setCell(m.titleText[0][3], "\x82\xA0" "A");
    EXPECT_FALSE(titlePageCommand(m, 0, Product::Multi));
    EXPECT_FALSE(titleLineCommand(m, 0, 3));
    EXPECT_TRUE(titleLineCommand(m, 0, 0));  // the other lines still go out

    setCell(m.singleTitleText[1], "\x82\xA0");
    const std::optional<CommandLine> single = titlePageCommand(m, 1, Product::Single);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->text(), "CA002" "2422" + rep("2121", 279) + "\r\n");
}

}  // namespace
}  // namespace vrq
