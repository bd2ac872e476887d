// Serial line assembly: every LF ends a line, split reads join, and an
// over-long line is dropped without growing the buffer.

#include <gtest/gtest.h>

#include "link/line_assembler.h"

namespace vrq {
namespace {

using Lines = std::vector<std::string>;

TEST(LineAssemblerTest, SplitReadsAreDeliveredOnceWhenTheLineFeedArrives) {
    LineAssembler a;
    EXPECT_TRUE(a.feed("G").empty());
    EXPECT_TRUE(a.feed("O\r").empty());  // CR alone ends nothing
    EXPECT_EQ(a.pending(), 3u);
    EXPECT_EQ(a.feed("\n"), Lines{"GO\r\n"});
    EXPECT_EQ(a.pending(), 0u);
}

TEST(LineAssemblerTest, TwoRepliesInOneReadAreTwoLines) {
    LineAssembler a;
    EXPECT_EQ(a.feed("05GO\r\n05E3\r\n05C"), (Lines{"05GO\r\n", "05E3\r\n"}));
    EXPECT_EQ(a.feed("BS001NNNNNNNNNN\r\n"), Lines{"05CBS001NNNNNNNNNN\r\n"});
    EXPECT_EQ(a.feed("\n\n"), (Lines{"\n", "\n"}));
}

TEST(LineAssemblerTest, OverlongLineIsDroppedUpToItsLineFeed) {
    LineAssembler a;
    EXPECT_TRUE(a.feed(std::string(1198, 'X')).empty());
    EXPECT_FALSE(a.discarding());
    EXPECT_TRUE(a.feed("Y").empty());  // the 1199th byte is no LF: no room left
    EXPECT_TRUE(a.discarding());
    EXPECT_EQ(a.pending(), 0u);
    EXPECT_TRUE(a.feed(std::string(5000, 'Z') + "GO\r").empty());
    EXPECT_EQ(a.pending(), 0u);
    EXPECT_EQ(a.feed("\nE3\r\n"), Lines{"E3\r\n"});
    EXPECT_FALSE(a.discarding());
}

TEST(LineAssemblerTest, OverlongLinesAreReportedOnceEach) {
    LineAssembler a;
    Lines overlong;
    EXPECT_EQ(a.feed(std::string(1300, 'X') + "\nGO\r\n" + std::string(1199, 'Y'), &overlong), Lines{"GO\r\n"});
    ASSERT_EQ(overlong.size(), 2u);
    EXPECT_EQ(overlong[0], std::string(1198, 'X'));
    EXPECT_EQ(overlong[1], std::string(1198, 'Y'));
}

TEST(LineAssemblerTest, LongestLineThatFitsIsKept) {
    LineAssembler a;
    const std::string line = std::string(1196, 'A') + "\r\n";  // 1198 bytes
    ASSERT_EQ(a.feed(line + "B"), Lines{line});
    const std::string longest = "B" + std::string(1197, 'C') + "\n";  // 1199 bytes with LF
    EXPECT_EQ(a.feed(longest.substr(1)), Lines{longest});
}

}  // namespace
}  // namespace vrq
