#include "link/device_access.h"

#include "platform/device_owner.h"

namespace vrq {

std::string deviceGroup(const std::string& path) { return platform::deviceOwnerGroup(path); }

bool deviceAccessDenied(const std::string& path) { return platform::deviceAccessDenied(path); }

std::string permissionHintText(const std::string& group) {
    // Group membership is read at login: joining alone is not enough.
    const std::string who = group.empty() ? "このデバイスを所有するグループ" : "グループ「" + group + "」";
    return "このデバイスを使う権限がありません。ユーザーを" + who + "に加え、ログインし直してください。";
}

}  // namespace vrq
