// Which lines answer which command: a read request only its own row.

#include <gtest/gtest.h>

#include "protocol/answer_match.h"
#include "protocol/bulk_runs.h"

namespace vrq {
namespace {

AnswerFit fit(std::string_view command, std::string_view line, Product p = Product::Multi,
              ReplyChannel ch = ReplyChannel::Serial) {
    return fitAnswer(p, expectedAnswer(command), line, ch);
}

TEST(AnswerMatchTest, SetCommandsTakeAcknowledgementsAndRefusalsOnly) {
    EXPECT_EQ(fit("CBS003L10ON\r\n", "GO\r\n"), AnswerFit::Acknowledged);
    EXPECT_EQ(fit("RCA001002003004005006007008", "GO\r\n"), AnswerFit::Acknowledged);  // a set command, not a read
    for (const char* refusal : {"E0\r\n", "E3\r\n", "MENU\r\n", "GN\r\n"})
        EXPECT_EQ(fit("CFZON", refusal), AnswerFit::Refused) << refusal;
    EXPECT_EQ(fit("CFZON", "VN1.05\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("CFZON", "G0\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("CFZON", "GOT\r\n", Product::Multi, ReplyChannel::Tcp), AnswerFit::Acknowledged);
}

TEST(AnswerMatchTest, ReadRequestsTakeTheirOwnRowOnly) {
    EXPECT_EQ(fit("RCA005", "CA005...\r\n"), AnswerFit::ReadBack);
    EXPECT_EQ(fit("RCA005", "CA006...\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RCA005", "CABC005...\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RCA005", "GO\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RCA005", "E3\r\n"), AnswerFit::Refused);
    EXPECT_EQ(fit("RSD07", "SD07...\r\n"), AnswerFit::ReadBack);
    EXPECT_EQ(fit("RAD", "ADON\r\n"), AnswerFit::ReadBack);
    EXPECT_EQ(fit("RAD", "ADT005\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RTSD", "TSDR1\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RFB", "FBMLA365...\r\n", Product::Single), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RFBMLA365", "FBMLA365...\r\n"), AnswerFit::ReadBack);
    EXPECT_EQ(fit("RFBMLA365", "FBMLA366...\r\n"), AnswerFit::NotItsAnswer);
    EXPECT_EQ(fit("RDM", "DM0\r\n", Product::Single), AnswerFit::ReadBack);  // a row nothing stores
    // Every request of both read-alls knows its answer.
    for (const Product p : {Product::Multi, Product::Single})
        for (int step = 1; step <= readAllStepCount(p); ++step)
            ASSERT_TRUE(expectedAnswer(readAllRequest(p, step).text()).readBack) << step;
}

}  // namespace
}  // namespace vrq
