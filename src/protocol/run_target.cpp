#include "protocol/run_target.h"

#include "protocol/notifier.h"

namespace vrq {

bool targetIsBroadcast(const AppState& a) {
    return a.linkInterface == kLinkSerial && a.serialMode == kRs485 &&
           (a.slaveAddressIndex < 0 || a.slaveAddressIndex >= kBroadcastAddress);
}

bool readAllowed(Console& c) {
    if (!targetIsBroadcast(c.app)) return true;
    if (c.notifier) showWarning(*c.notifier, kBroadcastReadText);
    return false;
}

bool targetChangeAllowed(Console& c) {
    if (!c.reply.runActive) return true;
    if (c.notifier) showWarning(*c.notifier, kTargetFixedText);
    return false;
}

}  // namespace vrq
