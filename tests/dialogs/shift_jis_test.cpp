#include "dialogs/shift_jis.h"

#include <gtest/gtest.h>

#include <QList>

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

namespace vrq {
namespace {

TEST(ShiftJis, CellsWithoutACharacterBecomePlaceholdersAndComeBackExactly) {
    // Row 93 (0xEF40), row 9 (0x8540), a gap in row 2 (0x81AD), row 85 (0xEB40).
    for (const char* bytes : {"\xEF\x40", "\x85\x40", "\x81\xAD", "\xEB\x40", "\xEF\xFC"}) {
        const ShiftJisText t = decodeShiftJis(bytes);
        ASSERT_EQ(t.text.size(), 2) << hex(bytes);  // one plane-15 character
        EXPECT_EQ(t.bytes[0], bytes);
        EXPECT_EQ(toShiftJis(t.text), std::string(bytes)) << hex(bytes);
    }
    EXPECT_EQ(fromShiftJis("\xEF\x40").toUcs4()[0], 0xF7D21u);  // the JIS code in the low bits
    // Bytes that name no cell at all still keep their bytes, shown as U+FFFD.
    const ShiftJisText junk = decodeShiftJis("\x82\xA0\xFF\x81");
    EXPECT_EQ(junk.text, QString::fromUtf8("あ\uFFFD\uFFFD"));
    EXPECT_EQ(junk.bytes[1], "\xFF");
    EXPECT_EQ(junk.bytes[2], "\x81");
    // A placeholder of no title cell is no character.
    const char32_t bogus = 0xF2100;
    EXPECT_FALSE(toShiftJis(QString::fromUcs4(&bogus, 1)));
}

TEST(ShiftJis, InputMethodVariantsTakeTheCodePagesCharacter) {
    const std::pair<const char*, const char*> pairs[] = {
        {"〜", "～"}, {"−", "－"}, {"‖", "∥"}, {"¢", "￠"}, {"£", "￡"},
        {"¬", "￢"}, {"—", "―"}, {"¦", "￤"}, {"‾", "￣"}, {"¥", "￥"}};
    for (auto [typed, cp932] : pairs) {
        const std::optional<std::string> b = toShiftJis(QString::fromUtf8(typed));
        ASSERT_TRUE(b) << typed;
        EXPECT_EQ(b, toShiftJis(QString::fromUtf8(cp932))) << typed;
        EXPECT_EQ(b->size(), 2u) << typed;
    }
}

}  // namespace
}  // namespace vrq
