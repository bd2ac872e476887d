// The simulated device's glyph slots, character patterns and insertion checks.

#include <gtest/gtest.h>

#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

TEST(SimGlyphTest, RegisteredSlotsAnswerTheirPatternPerSize) {
    SimDevice d({});
    const std::string large = "8" + std::string(574, '0') + "1";
    EXPECT_EQ(d.handleLine("GRL070" + large + "\r\n"), "GO\r\n");
    EXPECT_EQ(d.handleLine("RFBMLA44C\r\n"), "FBMLA44C" + large + "\r\n");
    // The same slot of another size is separate and blank.
    EXPECT_EQ(d.handleLine("RFBMMA44C\r\n"), "FBMMA44C" + std::string(256, '0') + "\r\n");
    const std::string small(144, 'F');
    EXPECT_EQ(d.handleLine("GRS256" + small + "\r\n"), "GO\r\n");
    EXPECT_EQ(d.handleLine("RFBMSA64A\r\n"), "FBMSA64A" + small + "\r\n");
}

TEST(SimGlyphTest, RefusesBadRegistrationsAndSlotsBeyondTheSize) {
    SimDevice d({});
    EXPECT_EQ(d.handleLine("GRL071" + std::string(576, '0') + "\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("GRL000" + std::string(576, '0') + "\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("GRM001" + std::string(255, '0') + "g\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("GRM001" + std::string(255, '0') + "\r\n"), "E3\r\n");  // short
    EXPECT_EQ(d.handleLine("RFBMLA44D\r\n"), "E3\r\n");  // large slot 71
    EXPECT_EQ(d.handleLine("RFBMLzz21\r\n"), "E3\r\n");
}

TEST(SimGlyphTest, CharacterCodesAnswerDistinctBoxedPatterns) {
    SimDevice d({});
    const std::string a = d.handleLine("RFBML2422\r\n");
    const std::string b = d.handleLine("RFBML2121\r\n");
    ASSERT_EQ(a.size(), 8u + 576 + 2);
    EXPECT_EQ(a.substr(0, 8), "FBML2422");
    EXPECT_EQ(a.substr(8, 12), "FFFFFFFFFFFF");  // top edge of the box
    EXPECT_NE(a, b);
    EXPECT_EQ(d.handleLine("RFBMS7F21\r\n"), "E3\r\n");  // no JIS code
}

TEST(SimGlyphTest, InsertionFieldsAreCheckedPerModel) {
    SimDevice multi({});
    EXPECT_EQ(multi.handleLine("G005P012L03I07\r\n"), "GO\r\n");
    EXPECT_EQ(multi.handleLine("G256P512L10I28\r\n"), "GO\r\n");
    EXPECT_EQ(multi.handleLine("G005P012L03I29\r\n"), "E3\r\n");
    EXPECT_EQ(multi.handleLine("G000P012L03I07\r\n"), "E3\r\n");
    // The other model's form is a mode difference.
    EXPECT_EQ(multi.handleLine("G005P012I117\r\n"), "GN\r\n");
    SimOptions o;
    o.product = Product::Single;
    SimDevice single(o);
    EXPECT_EQ(single.handleLine("G005P012I117\r\n"), "GO\r\n");
    EXPECT_EQ(single.handleLine("G005P012I281\r\n"), "E3\r\n");
    EXPECT_EQ(single.handleLine("G005P012L03I07\r\n"), "GN\r\n");
    EXPECT_EQ(single.handleLine("RCABC001\r\n"), "GN\r\n");
    EXPECT_EQ(single.handleLine("XYZ\r\n"), "E3\r\n");
}

}  // namespace
}  // namespace vrq::sim
