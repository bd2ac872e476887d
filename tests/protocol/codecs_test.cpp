#include <gtest/gtest.h>

#include <string>

#include "protocol/codecs.h"
#include "protocol/command_line.h"

namespace vrq {
namespace {

TEST(CodecsTest, PutWritesDigitsInPlaceWithoutTerminator) {
    std::string t = "CBS001L01OF";
    putDecimal3(t.data() + 3, 7);
    EXPECT_EQ(t, "CBS007L01OF");
    putDecimal2(t.data() + 7, 0);
    EXPECT_EQ(t, "CBS007L00OF");
    putDecimal3(t.data() + 3, 512);
    putDecimal2(t.data() + 7, 10);
    EXPECT_EQ(t, "CBS512L10OF");
}

TEST(CodecsTest, GetDecodesDigitsAndHex) {
    EXPECT_EQ(getDecimal2("07"), 7);
    EXPECT_EQ(getDecimal3("512"), 512);
    EXPECT_EQ(getHexByte("3F"), 63);
    EXPECT_EQ(getHexByte("A0"), 160);
    EXPECT_EQ(getHexByte("FF"), 255);
    // Non-digits decode to meaningless values, never a failure.
    EXPECT_EQ(getDecimal2("A0"), ('A' - '0') * 10);
    EXPECT_EQ(getHexByte("a0"), ((('a' - 'A' + 10) << 4) & 0xFF));
}

TEST(CommandLineTest, TemplateFieldsAreOverwrittenAndEndInCrLf) {
    CommandLine line("CBS001L01OF");
    line.putDec3(3, 3);
    line.putDec2(7, 10);
    line.put(9, "ON");
    EXPECT_EQ(line.text(), "CBS003L10ON\r\n");
    EXPECT_EQ(line.body(), "CBS003L10ON");
}

TEST(CommandLineTest, OverlongLinesAndStrayFieldsAreRefused) {
    EXPECT_NO_THROW(CommandLine(std::string(1197, 'A')));
    EXPECT_THROW(CommandLine(std::string(1198, 'A')), std::length_error);
    CommandLine line("CBS001");
    EXPECT_THROW(line.putDec3(4, 1), std::out_of_range);
    EXPECT_THROW(line.put(6, "X"), std::out_of_range);  // would land on CR
    EXPECT_EQ(line.text(), "CBS001\r\n");
}

}  // namespace
}  // namespace vrq
