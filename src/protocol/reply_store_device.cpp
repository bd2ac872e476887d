// Read-back answers of the device-wide settings: alarm, remote, clock display,
// other settings, the device's network interface and its version.

#include "model/text_cell.h"
#include "protocol/codecs.h"
#include "protocol/reply_rows.h"

namespace vrq::rows {

namespace {

bool has(std::string_view b, std::size_t length) { return b.size() >= length; }

// Four three-digit octets at 3, 7, 11 and 15, dots between them.
bool octets(std::string_view b, Octets& out) {
    if (!has(b, 18)) return false;
    for (std::size_t i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(getDecimal3(b.data() + 3 + 4 * i));
    return true;
}

// "xxxON" / "xxxOF": the letter at 4.
bool switchAt4(std::string_view b, int& out) {
    if (!has(b, 5)) return false;
    out = onUnless(b[4], 'F') ? 1 : 0;
    return true;
}

}  // namespace

bool pageField(std::string_view b, std::size_t pos, int& page) {
    if (b.size() < pos + 3) return false;
    const int v = getDecimal3(b.data() + pos);
    if (v < 1 || v > kPages) return false;
    page = v - 1;
    return true;
}

bool connectorAssign(Console& c, std::string_view b) {
    if (!has(b, 3 + 3 * kConnectors)) return false;
    for (std::size_t i = 0; i < kConnectors; ++i) c.settings.connectorAssign[i] = getDecimal3(b.data() + 3 + 3 * i) - 1;
    return true;
}

bool alarmDisplay(Console& c, std::string_view b) {
    if (!has(b, 4)) return false;
    c.settings.alarmDisplay = onUnless(b[3], 'F') ? 1 : 0;
    return true;
}

bool alarmHoldTime(Console& c, std::string_view b) {
    if (!has(b, 6)) return false;
    setCell(c.settings.alarmHoldTime, b.substr(3, 3));
    return true;
}

bool alarmMode(Console& c, std::string_view b) {
    if (!has(b, 3)) return false;
    c.settings.alarmMode = b[2] == 'I' ? 0 : 1;
    return true;
}

bool alarmPolarity(Console& c, std::string_view b) {
    if (!has(b, 3)) return false;
    c.settings.alarmPolarity = b[2] == 'M' ? 0 : 1;
    return true;
}

bool alarmReturn(Console& c, std::string_view b) {
    if (!has(b, 4)) return false;
    c.settings.alarmReturn = onUnless(b[3], 'F') ? 1 : 0;
    return true;
}

bool zoomFont(Console& c, std::string_view b) { return switchAt4(b, c.settings.zoomFont); }

bool connectorInput(Console& c, std::string_view b) {
    if (!has(b, 3)) return false;
    c.settings.connectorInput = b[2] == 'A' ? 0 : 1;
    return true;
}

bool powerOnPage(Console& c, std::string_view b) {
    if (b.substr(0, 6) == "POSPAS") {
        c.settings.powerOnPage = kPowerOnPas;
        return true;
    }
    int page = 0;
    if (!pageField(b, 4, page)) return false;
    c.settings.powerOnPage = page;
    return true;
}

bool remoteMode(Console& c, std::string_view b) {
    if (!has(b, 5)) return false;
    c.settings.remoteMode = b[4] == 'N' ? 0 : b[4] == 'T' ? 1 : 2;
    return true;
}

bool clockDisplayOn(Console& c, std::string_view b) { return switchAt4(b, c.settings.clockDisplayOn); }

bool clockDisplayRange(Console& c, std::string_view b) {
    if (!has(b, 5)) return false;
    c.settings.clockDisplayRange = digit(b[4]) - 1;
    return true;
}

bool videoLossBackColour(Console& c, std::string_view b) {
    if (!has(b, 5)) return false;
    c.settings.videoLossBackColour = b[4] == 'B' ? 1 : 0;
    return true;
}

bool deviceVersion(Console& c, std::string_view b) {
    if (!has(b, 6)) return false;
    setCell(c.settings.deviceVersion, b.substr(2, 4));
    return true;
}

bool netActiveAddress(Console& c, std::string_view b) { return octets(b, c.settings.netActiveAddress); }
bool netGatewayAddress(Console& c, std::string_view b) { return octets(b, c.settings.netGatewayAddress); }
bool netIpAddress(Console& c, std::string_view b) { return octets(b, c.settings.netIpAddress); }

bool netMacAddress(Console& c, std::string_view b) {
    if (!has(b, 20)) return false;
    setCell(c.settings.netMacAddress, b.substr(3, 17));
    return true;
}

bool netSubnetClass(Console& c, std::string_view b) {
    if (!has(b, 4)) return false;
    c.settings.netSubnetClass = static_cast<signed char>(b[3]) - 'A';
    return true;
}

bool netPortNumber(Console& c, std::string_view b) {
    if (!has(b, 8)) return false;
    setCell(c.settings.netPortNumber, b.substr(3, 5));
    return true;
}

bool netConnectionTry(Console& c, std::string_view b) { return switchAt4(b, c.settings.netConnectionTry); }
bool netKeepAlive(Console& c, std::string_view b) { return switchAt4(b, c.settings.netKeepAlive); }

bool netTimeRegister(Console& c, std::string_view b) {
    if (!has(b, 4)) return false;
    c.settings.netTimeRegister = digit(b[3]) - 1;
    return true;
}

}  // namespace vrq::rows
