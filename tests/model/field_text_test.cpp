#include <gtest/gtest.h>

#include "model/field_text.h"

namespace vrq {
namespace {

TEST(FieldTextTest, AddressesNeedFourGroupsOfZeroTo255) {
    EXPECT_EQ(parseIpv4Address("10.0.0.5"), (Octets{10, 0, 0, 5}));
    EXPECT_EQ(parseIpv4Address(" 192.168.001.255 "), (Octets{192, 168, 1, 255}));
    EXPECT_EQ(parseIpv4Address("１９２．１６８．０．１"), (Octets{192, 168, 0, 1}));
    for (const char* bad : {"1234.5.6.7", "1.2.3", "", "300.1.2.3", "1.2.3.4.5", "1..2.3", ".1.2.3", "1.2.3.",
                            "1.2.3.256", "1.2.3.4a", "a.b.c.d", "1. 2.3.4", "0001.2.3.4", "1.2.3.-4", "..."})
        EXPECT_FALSE(parseIpv4Address(bad)) << bad;
}

TEST(FieldTextTest, PortsAreOneTo65535) {
    EXPECT_EQ(parsePortNumber("09004"), 9004);
    EXPECT_EQ(parsePortNumber("1"), 1);
    EXPECT_EQ(parsePortNumber("65535"), 65535);
    EXPECT_EQ(parsePortNumber("９００４"), 9004);
    for (const char* bad : {"", "   ", "abc", "0", "00000", "65536", "99999", "123456", "12a", "-1", "9 4"})
        EXPECT_FALSE(parsePortNumber(bad)) << bad;
}

TEST(FieldTextTest, FullWidthDigitsBecomeAscii) {
    EXPECT_EQ(narrowDigits("１０"), "10");
    EXPECT_EQ(narrowDigits("a１．Ｚ"), "a1.Ｚ");  // a full-width letter stays what it is
    EXPECT_EQ(narrowDigits("\xEF\xBC"), "\xEF\xBC");  // a cut sequence is kept, not read past
}

}  // namespace
}  // namespace vrq
