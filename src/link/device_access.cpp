#include "link/device_access.h"

#include "platform/device_owner.h"

namespace vrq {

std::string deviceGroup(const std::string& path) { return platform::deviceOwnerGroup(path); }

bool deviceAccessDenied(const std::string& path) { return platform::deviceAccessDenied(path); }

Message permissionHintText(const std::string& group) {
    // Group membership is read at login: joining alone is not enough.
    if (group.empty())
        return VRQ_TEXT("SerialLink",
                        "このデバイスを使う権限がありません。ユーザーをこのデバイスを所有するグループに加え、ログインし直してください。");
    return Message(VRQ_TEXT("SerialLink",
                            "このデバイスを使う権限がありません。ユーザーをグループ「%1」に加え、ログインし直してください。"))
        .arg(group);
}

}  // namespace vrq
