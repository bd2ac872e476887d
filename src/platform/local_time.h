#pragma once
// The broken-down local time, without the shared buffer of std::localtime.
// local_time_posix.cpp calls localtime_r; a Windows version calls localtime_s
// (its arguments in the other order).

#include <ctime>

namespace vrq::platform {

// False when the time cannot be converted; `out` is zeroed then.
bool localTime(std::time_t t, std::tm& out);

}  // namespace vrq::platform
