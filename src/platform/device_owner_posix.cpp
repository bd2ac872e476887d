#include "platform/device_owner.h"

#include <cerrno>
#include <grp.h>
#include <unistd.h>
#include <sys/stat.h>

namespace vrq::platform {

std::string deviceOwnerGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (const group* g = ::getgrgid(st.st_gid); g && g->gr_name && *g->gr_name) return g->gr_name;
    return std::to_string(st.st_gid);
}

bool deviceAccessDenied(const std::string& path) {
    return ::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}

}  // namespace vrq::platform
