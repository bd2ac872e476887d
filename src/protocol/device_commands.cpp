#include "protocol/device_commands.h"

#include <algorithm>

#include "model/text_cell.h"
#include "model/value_ranges.h"

namespace vrq {
namespace {

CommandLine twoDigits(const char* tmpl, int v, int lo, int hi) {
    CommandLine c(tmpl);
    c.putDec2(3, std::clamp(v, lo, hi));
    return c;
}

// "xxxOF" and its "xxxON": the letter at `pos` becomes 'N' for on.
CommandLine onOff(const char* offTemplate, std::size_t pos, int on) {
    CommandLine c(offTemplate);
    if (sentOnOff(on)) *c.field(pos, 1) = 'N';
    return c;
}

CommandLine connectors(const SettingsModel& m, const char* mnemonic) {
    CommandLine c(std::string(mnemonic) + "001002003004005006007008");
    for (int n = 0; n < kConnectors; ++n) c.putDec3(3 + 3 * static_cast<std::size_t>(n), kConnectorPageRange.sent(m.connectorAssign[n]) + 1);
    return c;
}

CommandLine address(const char* mnemonic, const Octets& o) {
    CommandLine c(std::string(mnemonic) + "192.168.000.001");  // every digit is overwritten
    for (std::size_t i = 0; i < 4; ++i) c.putDec3(3 + 4 * i, o[i]);
    return c;
}

}  // namespace

CommandLine yearCommand(int yearIndex) { return twoDigits("DSY01", yearIndex, 0, 99); }
CommandLine monthCommand(int month) { return twoDigits("DSM01", month, 1, 12); }
CommandLine dayCommand(int day) { return twoDigits("DSD01", day, 1, 31); }
CommandLine hourCommand(int hour) { return twoDigits("TSH01", hour, 0, 23); }
CommandLine minuteCommand(int minute) { return twoDigits("TSM01", minute, 0, 59); }
CommandLine secondCommand(int second) { return twoDigits("TSS01", second, 0, 59); }
CommandLine clockCorrectionCommand() { return CommandLine("TSA"); }

CommandLine clockRangeCommand(const SettingsModel& m) {
    CommandLine c("TSDR0");
    *c.field(4, 1) = static_cast<char>('1' + kClockRangeRange.sent(m.clockDisplayRange));
    return c;
}

CommandLine clockDisplayCommand(const SettingsModel& m) { return onOff("TSDOF", 4, m.clockDisplayOn); }

CommandLine clockSizeCommand(const SettingsModel& m) {
    CommandLine c("TSDSS");
    if (sentOnOff(m.clockDisplaySize)) *c.field(4, 1) = 'N';
    return c;
}

CommandLine alarmModeCommand(const SettingsModel& m) {
    CommandLine c("AMI");
    if (sentOnOff(m.alarmMode)) *c.field(2, 1) = 'E';
    return c;
}

std::optional<CommandLine> alarmHoldTimeCommand(const SettingsModel& m) {
    const std::string_view t = cellText(m.alarmHoldTime);
    int digits = 0, seconds = 0;
    while (digits < 3 && digits < static_cast<int>(t.size()) && t[digits] >= '0' && t[digits] <= '9')
        seconds = seconds * 10 + (t[digits++] - '0');
    if (digits == 0 || seconds < 3) return std::nullopt;
    CommandLine c("ADT000");
    c.putDec3(3, seconds);
    return c;
}

CommandLine alarmPolarityCommand(const SettingsModel& m) {
    CommandLine c("APM");
    if (sentOnOff(m.alarmPolarity)) *c.field(2, 1) = 'B';
    return c;
}

CommandLine alarmDisplayCommand(const SettingsModel& m) { return onOff("ADOF", 3, m.alarmDisplay); }
CommandLine alarmReturnCommand(const SettingsModel& m) { return onOff("AROF", 3, m.alarmReturn); }
CommandLine alarmConnectorCommand(const SettingsModel& m) { return connectors(m, "ACA"); }
CommandLine remoteConnectorCommand(const SettingsModel& m) { return connectors(m, "RCA"); }

CommandLine remoteModeCommand(const SettingsModel& m) {
    const int mode = sentRemoteMode(m.remoteMode);
    if (mode == 2) return CommandLine("RMOPE");
    CommandLine c("RMBIN");
    if (mode == 1) *c.field(4, 1) = 'T';
    return c;
}

CommandLine connectorInputCommand(const SettingsModel& m) {
    CommandLine c("CIA");
    if (sentOnOff(m.connectorInput)) *c.field(2, 1) = 'R';
    return c;
}

CommandLine powerOnPageCommand(const SettingsModel& m) {
    const int page = kPowerOnPageRange.sent(m.powerOnPage);
    if (page == kPowerOnPas) return CommandLine("POSPAS");
    CommandLine c("POSP001");
    c.putDec3(4, page + 1);
    return c;
}

CommandLine videoLossCommand(const SettingsModel& m) {
    CommandLine c("VLBCN");
    if (sentOnOff(m.videoLossBackColour)) *c.field(4, 1) = 'B';
    return c;
}

CommandLine zoomFontCommand(const SettingsModel& m) { return onOff("CFZOF", 4, m.zoomFont); }

CommandLine ipAddressCommand(const SettingsModel& m) { return address("EIA", m.netIpAddress); }
CommandLine gatewayAddressCommand(const SettingsModel& m) { return address("EGA", m.netGatewayAddress); }
CommandLine activeAddressCommand(const SettingsModel& m) { return address("EAA", m.netActiveAddress); }

CommandLine subnetCommand(const SettingsModel& m) {
    CommandLine c("ESMA");
    *c.field(3, 1) = static_cast<char>('A' + kSubnetClassRange.sent(m.netSubnetClass));
    return c;
}

CommandLine portCommand(const SettingsModel& m) {
    // Five digits always: a shorter port is padded with leading zeros ("9004"
    // goes out as 09004), and anything but a digit reads as 0.
    const std::string_view t = cellText(m.netPortNumber).substr(0, 5);
    std::string digits(5 - t.size(), '0');
    for (char ch : t) digits += (ch >= '0' && ch <= '9') ? ch : '0';
    CommandLine c("EPN09004");
    c.put(3, digits);
    return c;
}

CommandLine connectionTryCommand(const SettingsModel& m) { return onOff("ECTOF", 4, m.netConnectionTry); }
CommandLine keepAliveCommand(const SettingsModel& m) { return onOff("EKAOF", 4, m.netKeepAlive); }

CommandLine timeRegisterCommand(const SettingsModel& m) {
    CommandLine c("ETR1");
    *c.field(3, 1) = static_cast<char>('1' + kTimeRegisterRange.sent(m.netTimeRegister));
    return c;
}

CommandLine networkReadRequest(int i) {
    static constexpr const char* kRequests[kNetworkReadRequests] = {"REAA", "REGA", "REIA", "RECT", "REKA",
                                                                    "REPN", "RESM", "RETR", "REMA", "RVN"};
    return CommandLine(kRequests[std::clamp(i, 0, kNetworkReadRequests - 1)]);
}

Octets parseDottedAddress(std::string_view text) {
    Octets o{0, 0, 0, 0};
    std::size_t group = 0;
    unsigned value = 0;
    for (char ch : text) {
        if (ch == '.') {
            if (group < 4) o[group] = static_cast<std::uint8_t>(value & 0xFF);
            ++group;
            value = 0;
        } else if (ch >= '0' && ch <= '9') {
            value = (value * 10 + static_cast<unsigned>(ch - '0')) & 0xFFFF;  // stays small, meaning is lost anyway
        }
    }
    if (group < 4) o[group] = static_cast<std::uint8_t>(value & 0xFF);
    return o;
}

std::string dottedAddressText(const Octets& o) {
    std::string s = "000.000.000.000";
    for (std::size_t i = 0; i < 4; ++i) {
        s[4 * i] = static_cast<char>('0' + o[i] / 100);
        s[4 * i + 1] = static_cast<char>('0' + o[i] / 10 % 10);
        s[4 * i + 2] = static_cast<char>('0' + o[i] % 10);
    }
    return s;
}

}  // namespace vrq
