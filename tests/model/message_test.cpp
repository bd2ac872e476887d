// Messages: a marked text with its data kept apart until it is shown.
#include <gtest/gtest.h>

#include "model/message.h"

namespace vrq {
namespace {

// A stand-in translation: every marked text in brackets, the plural form
// chosen by the count.
std::string bracketed(const Text& t, long long n) {
    if (t.numerus) return n == 1 ? "[one %n]" : "[many %n]";
    return std::string("[") + t.source + "]";
}

TEST(Message, FillsDataAndPiecesInOnePass) {
    const Message m = Message(VRQ_TEXT("T", "%2 と %1")).arg("a%2b").arg(Message(VRQ_TEXT("T", "片")));
    EXPECT_EQ(m.japanese(), "片 と a%2b");             // a value holding %2 stays as it is
    EXPECT_EQ(m.render(bracketed), "[[片] と a%2b]");  // data is never translated, pieces are
    EXPECT_EQ(Message(VRQ_TEXT("T", "%1%3 100%")).arg(7).japanese(), "7%3 100%");  // unfilled marks stay
}

TEST(Message, CountsPickTheirPluralForm) {
    EXPECT_EQ(Message(VRQ_TEXT_N("T", "%n件")).count(3).japanese(), "3件");
    EXPECT_EQ(Message(VRQ_TEXT_N("T", "%n件")).count(1).render(bracketed), "[one 1]");
    EXPECT_EQ(Message(VRQ_TEXT_N("T", "%n件")).count(3).render(bracketed), "[many 3]");
}

TEST(Message, JoinedAndPlainAndEmpty) {
    const Message list = Message::joined({Message(VRQ_TEXT("T", "甲")), Message::plain("COM1")}, kListSeparator);
    EXPECT_EQ(list.japanese(), "甲、COM1");
    EXPECT_EQ(list.render(bracketed), "[甲][、]COM1");
    EXPECT_EQ(Message::plain("%1 設定").render(bracketed), "%1 設定");
    EXPECT_TRUE(Message().empty());
    EXPECT_EQ(Message::joined({}, kLineBreak).japanese(), "");
}

}  // namespace
}  // namespace vrq
