#pragma once
// The strings that differ between the two programs.

#include <string_view>

#include "model/settings_model.h"

namespace vrq {

// The release, as the version box and every program's --version give it.
inline constexpr std::string_view kReleaseNumber = "1.00";

// Window and message-box titles of socket-layer failures.
inline std::string_view productTitle(Product p) { return p == Product::Single ? "VRQ-700S" : "VRQ-700"; }
inline std::string_view iniFileName(Product p) { return p == Product::Single ? "vrq700s.ini" : "vrq700.ini"; }
inline std::string_view iniSection(Product p) { return p == Product::Single ? "VRQ-700S_Section" : "VRQ-700_Section"; }
inline std::string_view serverWindowClass(Product p) {
    return p == Product::Single ? "VRQ700S TCP Server" : "VRQ700 TCP Server";
}
inline std::string_view instanceMutexName(Product p) {
    return p == Product::Single ? "VRQ-700S TCP_X_Mutex" : "VRQ-700 TCP_X_Mutex";
}
// Main timer period and the tick on which an unanswered serial command times out.
inline int mainTimerPeriodMs(Product p) { return p == Product::Single ? 200 : 150; }
inline int noReplyTickLimit(Product p) { return p == Product::Single ? 25 : 20; }

}  // namespace vrq
