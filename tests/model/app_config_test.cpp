#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/app_config.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"

namespace vrq {
namespace {

namespace fs = std::filesystem;

class AppConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vrq_cfg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "vrq700.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string readFile() {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(AppConfigTest, MissingFileGivesDefaults) {
    auto c = makeConsole(Product::Multi);
    c->app.peerIndex = 7;
    setCell(c->settings.netPortNumber, "12345");
    EXPECT_FALSE(loadAppConfig(*c, path_));
    EXPECT_EQ(c->app.configPath, path_);
    EXPECT_EQ(c->app.linkInterface, kLinkSerial);
    EXPECT_EQ(c->app.comPortIndex, 0);
    EXPECT_EQ(c->app.serialMode, kRs232c);
    EXPECT_EQ(c->app.tcpRole, kTcpClient);
    EXPECT_EQ(cellText(c->settings.netPortNumber), "09004");
    EXPECT_EQ(c->app.peerListCount, 0);
    EXPECT_EQ(c->app.peerIndex, 0);
    EXPECT_EQ(c->app.comDevicePath[0], "/dev/ttyS0");
}

TEST_F(AppConfigTest, ReadsValuesOfOwnSectionOnly) {
    writeFile(
        "[VRQ-700S_Section]\r\ncom_port=4\r\n"
        "[VRQ-700_Section]\r\ncom_port=2\r\nrs_control=1\r\nInterface=1\r\nClientServer=1\r\n"
        "p_port_number=10001\r\nselect_number=1\r\nlist_count=2\r\n"
        "ip00_0=192\r\nip00_1=168\r\nip00_2=0\r\nip00_3=1\r\n"
        "ip01_0=10\r\nip01_1=0\r\nip01_2=0\r\nip01_3=5\r\n"
        "com1_device=/dev/pts/7\r\n");
    auto c = makeConsole(Product::Multi);
    EXPECT_TRUE(loadAppConfig(*c, path_));
    EXPECT_EQ(c->app.comPortIndex, 2);
    EXPECT_EQ(c->app.serialMode, kRs485);
    EXPECT_EQ(c->app.linkInterface, kLinkTcp);
    EXPECT_EQ(c->app.tcpRole, kTcpServer);
    EXPECT_EQ(cellText(c->settings.netPortNumber), "10001");
    EXPECT_EQ(c->app.peerIndex, 1);
    ASSERT_EQ(c->app.peerListCount, 2);
    EXPECT_EQ(c->app.peerAddress[0], (Octets{192, 168, 0, 1}));
    EXPECT_EQ(c->app.peerAddress[1], (Octets{10, 0, 0, 5}));
    EXPECT_EQ(c->app.comDevicePath[0], "/dev/pts/7");
    EXPECT_EQ(c->app.comDevicePath[1], "/dev/ttyS1");

    auto s = makeConsole(Product::Single);
    loadAppConfig(*s, path_);
    EXPECT_EQ(s->app.comPortIndex, 4);
    EXPECT_EQ(s->app.serialMode, kRs232c);
}

TEST_F(AppConfigTest, ListCountLimitsWhatIsRead) {
    writeFile(
        "[VRQ-700_Section]\nlist_count=3\n"
        "ip00_0=1\nip01_0=2\nip02_0=3\nip03_0=4\nip03_1=4\n");
    auto c = makeConsole(Product::Multi);
    loadAppConfig(*c, path_);
    EXPECT_EQ(c->app.peerListCount, 3);
    EXPECT_EQ(c->app.peerAddress[2][0], 3);
    EXPECT_EQ(c->app.peerAddress[3][0], 0);  // leftover of a removed entry
}

TEST_F(AppConfigTest, NumberConversionRules) {
    EXPECT_EQ(configNumber("  -12x"), -12);
    EXPECT_EQ(configNumber("+7"), 7);
    EXPECT_EQ(configNumber("abc"), 0);
    EXPECT_EQ(configNumber(""), 0);
    EXPECT_EQ(configNumber("--1"), 0);
    EXPECT_EQ(configNumber("99999999999999999999"), INT_MAX);

    // Nine characters are read: "0000000001" loses its last digit.
    writeFile("[VRQ-700_Section]\ncom_port=0000000001\nrs_control= 1\nInterface=1junk\n");
    auto c = makeConsole(Product::Multi);
    loadAppConfig(*c, path_);
    EXPECT_EQ(c->app.comPortIndex, 0);
    EXPECT_EQ(c->app.serialMode, 1);
    EXPECT_EQ(c->app.linkInterface, 1);
}

TEST_F(AppConfigTest, PortCutAndOctetsKeepLowBits) {
    writeFile("[VRQ-700_Section]\np_port_number=1234567\nlist_count=1\nip00_0=257\nip00_1=-1\n");
    auto c = makeConsole(Product::Multi);
    loadAppConfig(*c, path_);
    EXPECT_EQ(cellText(c->settings.netPortNumber), "12345");
    EXPECT_EQ(c->app.peerAddress[0][0], 1);
    EXPECT_EQ(c->app.peerAddress[0][1], 255);
}

TEST_F(AppConfigTest, OutOfRangeValuesStayInsideTables) {
    writeFile(
        "[VRQ-700_Section]\ncom_port=6\nrs_control=2\nInterface=-1\nClientServer=9\n"
        "select_number=100\nlist_count=500\n");
    auto c = makeConsole(Product::Multi);
    loadAppConfig(*c, path_);
    EXPECT_EQ(c->app.comPortIndex, 0);
    EXPECT_EQ(c->app.serialMode, 0);
    EXPECT_EQ(c->app.linkInterface, 0);
    EXPECT_EQ(c->app.tcpRole, 0);
    EXPECT_EQ(c->app.peerIndex, 0);
    EXPECT_EQ(c->app.peerListCount, kMaxPeers);

    writeFile("[VRQ-700_Section]\nlist_count=-4\nselect_number=-1\n");
    loadAppConfig(*c, path_);
    EXPECT_EQ(c->app.peerListCount, 0);
    EXPECT_EQ(c->app.peerIndex, -1);
}

TEST_F(AppConfigTest, WriteCreatesFileAndSection) {
    ASSERT_TRUE(writeAppConfigValue(path_, Product::Multi, "com_port", "3"));
    EXPECT_EQ(readFile(), "[VRQ-700_Section]\r\ncom_port=3\r\n");
    ASSERT_TRUE(writeAppConfigValue(path_, Product::Single, "com_port", "1"));
    auto c = makeConsole(Product::Single);
    loadAppConfig(*c, path_);
    EXPECT_EQ(c->app.comPortIndex, 1);
    auto m = makeConsole(Product::Multi);
    loadAppConfig(*m, path_);
    EXPECT_EQ(m->app.comPortIndex, 3);
}

TEST_F(AppConfigTest, WriteChangesOneKeyAndKeepsTheRest) {
    writeFile(
        "; kept\n[Other]\nlist_count=9\n\n[vrq-700_section]\nCOM_PORT=1\nlist_count=2\n\n[Tail]\nx=1\n");
    ASSERT_TRUE(writeAppConfigValue(path_, Product::Multi, "list_count", "3"));
    ASSERT_TRUE(writeAppConfigValue(path_, Product::Multi, "ip02_0", "10"));
    EXPECT_EQ(readFile(),
              "; kept\n[Other]\nlist_count=9\n\n[vrq-700_section]\nCOM_PORT=1\nlist_count=3\nip02_0=10\n\n"
              "[Tail]\nx=1\n");
    EXPECT_EQ(readAppConfigValue(path_, Product::Multi, "com_port", "0", 9), "1");
}

TEST_F(AppConfigTest, WriteRefusesTextThatWouldBreakTheFile) {
    EXPECT_FALSE(writeAppConfigValue(path_, Product::Multi, "a=b", "1"));
    EXPECT_FALSE(writeAppConfigValue(path_, Product::Multi, "key", "1\r\n[X]"));
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_FALSE(writeAppConfigValue((dir_ / "missing" / "x.ini").string(), Product::Multi, "k", "1"));
}

TEST_F(AppConfigTest, AFileThatCannotBeReadIsNotReplacedByOneKey) {
    // Larger than any ini file of ours: kept whole rather than cut to one key.
    const std::string big = "[VRQ-700_Section]\n" + std::string(std::size_t{1} << 20, ';') + "\n";
    writeFile(big);
    EXPECT_FALSE(writeAppConfigValue(path_, Product::Multi, "com_port", "2"));
    EXPECT_EQ(readFile(), big);
    // A symbolic link to the real file stays a link.
    writeFile("[VRQ-700_Section]\ncom_port=1\n");
    fs::create_symlink(path_, dir_ / "link.ini");
    ASSERT_TRUE(writeAppConfigValue((dir_ / "link.ini").string(), Product::Multi, "com_port", "3"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.ini"));
    EXPECT_EQ(readFile(), "[VRQ-700_Section]\ncom_port=3\n");
}

TEST(PeerAddressKey, FormsTwoDigitIndexAndOctet) {
    EXPECT_EQ(peerAddressKey(0, 0), "ip00_0");
    EXPECT_EQ(peerAddressKey(12, 3), "ip12_3");
    EXPECT_EQ(peerAddressKey(99, 1), "ip99_1");
}

}  // namespace
}  // namespace vrq
