#pragma once
// Who may open a device file. device_owner_posix.cpp asks stat and getgrgid;
// on Windows no group owns a COM port, so a Windows version returns empty and
// the advice names no group.

#include <string>

namespace vrq::platform {

// The group owning `path`: its name, the number when the group has no name,
// empty when the file cannot be examined.
std::string deviceOwnerGroup(const std::string& path);

// This account may not read and write `path` (the file exists but its
// permissions refuse us). A port that is merely busy or locked is not this.
bool deviceAccessDenied(const std::string& path);

}  // namespace vrq::platform
