#include "dialogs/shift_jis.h"

#include <gtest/gtest.h>

namespace vrq {
namespace {

std::string hex(const std::string& s) {
    static const char* d = "0123456789ABCDEF";
    std::string out;
    for (unsigned char ch : s) {
        out += d[ch >> 4];
        out += d[ch & 15];
    }
    return out;
}

TEST(ShiftJis, EncodesAsCodePage932) {
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("あ"))), "82A0");
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("　"))), "8140");
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("～"))), "8160");  // the 932 mapping of the wave dash
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("①"))), "8740");
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("ⅰ"))), "FA40");
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("髙"))), "FBFC");
    EXPECT_EQ(hex(*toShiftJis(QString::fromUtf8("A"))), "41");
}

TEST(ShiftJis, CharactersOutsideTheCodePageFail) {
    EXPECT_FALSE(toShiftJis(QString::fromUtf8("あ😀")).has_value());
    EXPECT_FALSE(toShiftJis(QString::fromUtf8("한")).has_value());
}

TEST(ShiftJis, DecodesBackToTheSameText) {
    const QString text = QString::fromUtf8("ＶＲＱ表示ⅰ①～");
    EXPECT_EQ(fromShiftJis(*toShiftJis(text)), text);
}

TEST(ShiftJis, PrefixStopsAtTheByteLimitOrAnUnencodableCharacter) {
    int stop = 0;
    EXPECT_EQ(shiftJisPrefix(QString::fromUtf8("あいう"), 4, &stop).size(), 4u);
    EXPECT_EQ(stop, 2);
    EXPECT_EQ(shiftJisPrefix(QString::fromUtf8("あ😀い"), 56, &stop).size(), 2u);
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(shiftJisPrefix(QString::fromUtf8("あい"), 56, &stop).size(), 4u);
    EXPECT_EQ(stop, -1);
}

}  // namespace
}  // namespace vrq
