#include "platform/device_owner.h"

#include <grp.h>
#include <sys/stat.h>

namespace vrq::platform {

std::string deviceOwnerGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (const group* g = ::getgrgid(st.st_gid); g && g->gr_name && *g->gr_name) return g->gr_name;
    return std::to_string(st.st_gid);
}

}  // namespace vrq::platform
