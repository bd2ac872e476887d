#include <gtest/gtest.h>

#include "protocol/jis.h"

namespace vrq {
namespace {

TEST(JisTest, KnownCodesConvertBothWays) {
    EXPECT_EQ(jisToSjis(0x2121), 0x8140);  // full-width space
    EXPECT_EQ(jisToSjis(0x2422), 0x82A0);  // あ
    EXPECT_EQ(jisToSjis(0x3021), 0x889F);  // 亜, first of level 1
    EXPECT_EQ(jisToSjis(0x7426), 0xEAA4);  // last of level 2
    EXPECT_EQ(sjisToJis(0x82A0), 0x2422);
    EXPECT_EQ(sjisToJis(0xEAA4), 0x7426);
}

TEST(JisTest, EveryRowAndCellRoundTrips) {
    for (int r = 0x21; r <= 0x7E; ++r) {
        for (int c = 0x21; c <= 0x7E; ++c) {
            const auto jis = static_cast<std::uint16_t>((r << 8) | c);
            ASSERT_EQ(sjisToJis(jisToSjis(jis)), jis) << std::hex << jis;
        }
    }
}

TEST(JisTest, OutOfRangeCodesGiveZero) {
    EXPECT_EQ(jisToSjis(0x2020), 0);
    EXPECT_EQ(jisToSjis(0x7F21), 0);
    EXPECT_EQ(jisToSjis(0x0000), 0);
    EXPECT_EQ(sjisToJis(0x4142), 0);  // two ASCII bytes
    EXPECT_EQ(sjisToJis(0x817F), 0);
    EXPECT_EQ(sjisToJis(0xF040), 0);  // user-defined area is no JIS code
}

}  // namespace
}  // namespace vrq
