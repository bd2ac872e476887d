#pragma once
// Which command lines ask the device for a setting. Only an addressed device
// answers them: a broadcast ("FF") reaches every device and none answers.

#include <string_view>

namespace vrq {

// True for every read request either program sends: the read-all steps, the
// protocol dialog's reads and the glyph editor's, with any page, day or code.
// A trailing CR LF is ignored.
bool isReadRequest(std::string_view line);

}  // namespace vrq
