#pragma once
// What each device holds, as far as this console knows: the settings last
// sent to it or read from it by a run that succeeded. A send of only the
// changes is measured against it. Kept per target in memory and, so that it
// outlives the program, as a private document per target in the data folder.

#include <map>
#include <memory>
#include <string>

#include "model/app_state.h"
#include "model/safe_file.h"
#include "model/settings_model.h"

namespace vrq {

// The device commands go to now: "serial:/dev/ttyUSB0:05", "tcp:192.0.2.10:09004"
// or "client:192.0.2.10" (a device connected to the server role); a
// broadcast is "serial:/dev/ttyUSB0:FF", every device of that bus. Empty
// when no device is chosen.
std::string sendTarget(const AppState& a, const SettingsModel& s);
inline constexpr const char* kBroadcastSuffix = ":FF";

class SendBases {
public:
    // `folder` (UTF-8) empty: kept in memory only.
    SendBases(std::string folder, Product p);
    ~SendBases();

    // The base of `target`, read from the folder the first time it is asked
    // for; null when there is none (or it cannot be read).
    const SettingsModel* find(const std::string& target);
    // After a run that succeeded: `target` holds `s`. The copy in memory is
    // kept even when the file cannot be written; the problem is returned.
    // A broadcast is answered by no device: it drops the bases of its bus.
    FileResult keep(const std::string& target, const SettingsModel& s);
    // After a send that failed midway: what the device holds is unknown
    // (for a broadcast, what every device of the bus holds).
    // False when the file could not be removed (it would come back).
    bool drop(const std::string& target);

    std::string pathOf(const std::string& target) const;

private:
    std::string folder_;
    Product product_;
    std::map<std::string, std::unique_ptr<SettingsModel>> known_;  // null: looked for, none
};

}  // namespace vrq
