#include <gtest/gtest.h>

#include "protocol/run_estimate.h"

namespace vrq {
namespace {

TEST(RunEstimate, TimerPacedRunCountsTheTicksLeft) {
    // 3600 steps at 500 ms, 120 sent in a minute: half an hour left, however
    // quickly the first steps went.
    EXPECT_EQ(remainingMs(120, 3720, false, 500, 60000), 1800000);
    EXPECT_EQ(remainingMs(120, 3720, false, 500, 100), 1800000);
    EXPECT_EQ(remainingMs(0, 10, false, 400, 0), 4000);  // known before the first tick
    EXPECT_EQ(remainingMs(10, 10, false, 400, 4000), 0);
}

TEST(RunEstimate, AnswerPacedRunGoesAtTheMeasuredRate) {
    EXPECT_EQ(remainingMs(0, 100, true, 500, 0), -1);  // nothing measured yet
    EXPECT_EQ(remainingMs(25, 100, true, 500, 5000), 15000);
    EXPECT_EQ(remainingMs(5, 4, true, 500, 5000), -1);
}

}  // namespace
}  // namespace vrq
