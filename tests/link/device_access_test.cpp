#include "link/device_access.h"

#include <gtest/gtest.h>
#include <grp.h>
#include <unistd.h>

#include <QTemporaryFile>

namespace vrq {
namespace {

TEST(DeviceAccess, TheHintNamesTheOwningGroupAndAsksForANewLogin) {
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    const group* g = ::getgrgid(::getegid());
    ASSERT_NE(g, nullptr);
    const std::string name = g->gr_name;
    EXPECT_EQ(deviceGroup(f.fileName().toStdString()), name);

    const std::string hint = permissionHintText(name).japanese();
    EXPECT_NE(hint.find("グループ「" + name + "」"), std::string::npos);
    EXPECT_NE(hint.find("ログインし直して"), std::string::npos);
}

TEST(DeviceAccess, AGroupWithoutANameOrAMissingFileStillGivesAdvice) {
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    // A group number no group file lists is shown as the number.
    constexpr gid_t kNoName = 54321;
    if (::getgrgid(kNoName) == nullptr && ::chown(f.fileName().toLocal8Bit().constData(), -1, kNoName) == 0) {
        EXPECT_EQ(deviceGroup(f.fileName().toStdString()), "54321");
    }

    EXPECT_EQ(deviceGroup("/nonexistent/ttyUSB9"), "");
    const std::string hint = permissionHintText("").japanese();
    EXPECT_NE(hint.find("このデバイスを所有するグループ"), std::string::npos);
    EXPECT_EQ(hint.find("「"), std::string::npos);
}

}  // namespace
}  // namespace vrq
