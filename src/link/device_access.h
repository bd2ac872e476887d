#pragma once
// What to tell an operator whose account may not open a serial device.

#include <string>

#include "model/message.h"

namespace vrq {

// The group owning `path` (platform/device_owner.h): its name, the number when the
// group has no name, empty when the file cannot be examined.
std::string deviceGroup(const std::string& path);

// The account lacks permission to read and write `path`.
bool deviceAccessDenied(const std::string& path);

// The advice for a refused open; `group` as deviceGroup gives it.
Message permissionHintText(const std::string& group);

}  // namespace vrq
