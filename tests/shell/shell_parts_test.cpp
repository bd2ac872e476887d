#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/product_names.h"
#include "shell/clock_text.h"
#include "shell/single_instance.h"
#include "variants/commands.h"
#include "variants/variant.h"

namespace vrq {
namespace {

TEST(ClockTextTest, OneDigitMonthAndDayArePaddedWithBlanks) {
    EXPECT_EQ(clockDateText(2026, 12, 8, 2), "2026年12月 8日  火曜日");
    EXPECT_EQ(clockDateText(2011, 3, 5, 6), "2011年 3月 5日  土曜日");
    EXPECT_EQ(clockDateText(2026, 11, 29, 0), "2026年11月29日  日曜日");
    EXPECT_EQ(clockTimeText(4, 7, 9), "04：07：09");
    EXPECT_EQ(clockTimeText(23, 59, 59), "23：59：59");
}

TEST(VariantTest, MenusHoldEveryCommandOfTheirProgram) {
    const Variant& multi = variantFor(Product::Multi);
    const Variant& single = variantFor(Product::Single);
    const auto m = menuCommands(multi);
    const auto s = menuCommands(single);
    auto has = [](const std::vector<int>& v, int c) { return std::find(v.begin(), v.end(), c) != v.end(); };
    EXPECT_EQ(m.size(), 36u);  // with our own traffic monitor, the title spreadsheet entries and sending of the changes
    EXPECT_TRUE(has(m, cmd::kTrafficMonitor));
    EXPECT_TRUE(has(m, cmd::kSendChanges));
    EXPECT_TRUE(has(s, cmd::kSendChanges));
    EXPECT_TRUE(has(s, cmd::kTrafficMonitor));
    EXPECT_TRUE(has(m, cmd::kLineSpacing));
    EXPECT_FALSE(has(s, cmd::kLineSpacing));  // the single-line program cannot reach it
    EXPECT_TRUE(has(s, cmd::kDisplayPosition));
    EXPECT_TRUE(has(s, cmd::kScrollSpeed));
    EXPECT_EQ(multi.toolbar.size(), 14u);
    EXPECT_EQ(single.toolbar.size(), 16u);
    EXPECT_EQ(commandForId(multi, 505), cmd::kBlink);
    EXPECT_EQ(commandForId(single, 505), cmd::kDisplayOffset);
    EXPECT_EQ(commandForId(single, 516), cmd::kDisplayPage);
    EXPECT_EQ(commandForId(multi, 515), 0);
    EXPECT_EQ(commandForId(multi, cmd::kReadAll), cmd::kReadAll);
    EXPECT_STREQ(multi.menuBar.back().children.at(0).label.source, "VRQ700 のﾊﾞｰｼﾞｮﾝ情報.");
    EXPECT_STREQ(single.menuBar.back().children.at(1).label.source, "通信モニタ");
    EXPECT_EQ(single.versionText, "VRQ700S Version 1.00");
}

TEST(SingleInstanceTest, SecondCopyIsRefusedTheOtherProgramIsNot) {
    QTemporaryDir dir;
    const QString multi = QString::fromUtf8(instanceMutexName(Product::Multi).data());
    const QString single = QString::fromUtf8(instanceMutexName(Product::Single).data());
    SingleInstance first(multi, dir.path());
    EXPECT_TRUE(first.acquired());
    SingleInstance second(multi, dir.path());
    EXPECT_FALSE(second.acquired());
    SingleInstance other(single, dir.path());
    EXPECT_TRUE(other.acquired());
}

}  // namespace
}  // namespace vrq
