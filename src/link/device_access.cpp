#include "link/device_access.h"

#include <sys/stat.h>

#ifndef _WIN32
#include <grp.h>
#endif

namespace vrq {

std::string deviceGroup(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return {};
#else
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (const group* g = ::getgrgid(st.st_gid); g && g->gr_name && *g->gr_name) return g->gr_name;
    return std::to_string(st.st_gid);
#endif
}

std::string permissionHintText(const std::string& group) {
    // Group membership is read at login: joining alone is not enough.
    const std::string who = group.empty() ? "このデバイスを所有するグループ" : "グループ「" + group + "」";
    return "このデバイスを使う権限がありません。ユーザーを" + who + "に加え、ログインし直してください。";
}

}  // namespace vrq
