// Device-wide commands: clock and its display, alarm and remote inputs, the
// other settings, the network interface and the version. Every read request
// is answered in the shape of its set command.

#include <array>

#include "model/text_cell.h"
#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

// What this device reports about itself.
constexpr std::string_view kVersion = "1.05";
constexpr std::string_view kMacAddress = "00-80-45-1A-2B-3C";

// A read request "R" + `mn` (exact), answered with a fixed-shape body.
void addFixedRead(CommandTable& t, std::string mn, std::function<std::string(const SettingsModel&)> answer) {
    const std::size_t n = mn.size();
    t.push_back({std::move(mn), n, {}, [answer](const SettingsModel& s, std::string_view) { return answer(s); }});
}

// A setting carried by one letter at the end of the command: `letters[i]`
// stands for value i.
void letterSetting(CommandTable& t, const std::string& mn, std::string_view letters, int SettingsModel::*field,
                   std::initializer_list<std::string> reads) {
    const std::string lettersCopy(letters);
    addSet(t, mn, mn.size() + 1, [=](SettingsModel& s, std::string_view b) {
        const auto at = lettersCopy.find(b.back());
        if (at == std::string::npos) return false;
        s.*field = static_cast<int>(at);
        return true;
    });
    for (const std::string& r : reads) {
        addFixedRead(t, r, [=](const SettingsModel& s) {
            const int v = s.*field;
            const char letter = v >= 0 && v < static_cast<int>(lettersCopy.size()) ? lettersCopy[static_cast<std::size_t>(v)] : lettersCopy[0];
            return mn + letter;
        });
    }
}

// "xxxON" / "xxxOF".
void onOffSetting(CommandTable& t, const std::string& mn, int SettingsModel::*field,
                  std::initializer_list<std::string> reads) {
    addSet(t, mn, mn.size() + 2, [=](SettingsModel& s, std::string_view b) {
        const std::string_view v = b.substr(mn.size());
        if (v != "ON" && v != "OF") return false;
        s.*field = v == "ON" ? 1 : 0;
        return true;
    });
    for (const std::string& r : reads) addFixedRead(t, r, [=](const SettingsModel& s) { return mn + (s.*field ? "ON" : "OF"); });
}

// A two-digit clock field within [lo, hi]; the device keeps no calendar here.
void clockField(CommandTable& t, const std::string& mn, int lo, int hi) {
    addSet(t, mn, mn.size() + 2, [=](SettingsModel&, std::string_view b) {
        int v = 0;
        return parseDec(b.substr(mn.size(), 2), v) && v >= lo && v <= hi;
    });
}

void connectors(CommandTable& t, const std::string& mn) {
    addSet(t, mn, mn.size() + 3 * kConnectors, [=](SettingsModel& s, std::string_view b) {
        std::array<int, kConnectors> pages{};
        for (std::size_t i = 0; i < kConnectors; ++i)
            if (!parsePage(b, mn.size() + 3 * i, pages[i])) return false;
        for (std::size_t i = 0; i < kConnectors; ++i) s.connectorAssign[i] = pages[i];
        return true;
    });
    addFixedRead(t, mn, [=](const SettingsModel& s) {
        std::string a = mn;
        for (int page : s.connectorAssign) a += dec(page + 1, 3);
        return a;
    });
}

// "ddd.ddd.ddd.ddd" after the mnemonic.
void address(CommandTable& t, const std::string& mn, Octets SettingsModel::*field) {
    addSet(t, mn, mn.size() + 15, [=](SettingsModel& s, std::string_view b) {
        Octets o{};
        for (std::size_t i = 0; i < 4; ++i) {
            int v = 0;
            const std::size_t at = mn.size() + 4 * i;
            if (!parseDec(b.substr(at, 3), v) || v > 255 || (i < 3 && b[at + 3] != '.')) return false;
            o[i] = static_cast<std::uint8_t>(v);
        }
        s.*field = o;
        return true;
    });
    addFixedRead(t, mn, [=](const SettingsModel& s) {
        std::string a = mn;
        for (std::size_t i = 0; i < 4; ++i) a += (i ? "." : "") + dec((s.*field)[i], 3);
        return a;
    });
}

void addClock(CommandTable& t) {
    clockField(t, "DSY", 0, 99);
    clockField(t, "DSM", 1, 12);
    clockField(t, "DSD", 1, 31);
    clockField(t, "TSH", 0, 23);
    clockField(t, "TSM", 0, 59);
    clockField(t, "TSS", 0, 59);
    addSet(t, "TSA", 3, [](SettingsModel&, std::string_view) { return true; });
    addSet(t, "TSDR", 5, [](SettingsModel& s, std::string_view b) {
        const int d = b[4] - '0';
        if (d < 1 || d > 8) return false;
        s.clockDisplayRange = d - 1;
        return true;
    });
    addFixedRead(t, "TSDR", [](const SettingsModel& s) { return "TSDR" + dec(s.clockDisplayRange + 1, 1); });
    letterSetting(t, "TSDO", "FN", &SettingsModel::clockDisplayOn, {"TSD", "TSDO"});
    letterSetting(t, "TSDS", "SN", &SettingsModel::clockDisplaySize, {"TSDS"});
}

void addAlarmRemoteOther(CommandTable& t) {
    letterSetting(t, "AM", "IE", &SettingsModel::alarmMode, {"AM"});
    letterSetting(t, "AP", "MB", &SettingsModel::alarmPolarity, {"AP"});
    onOffSetting(t, "AD", &SettingsModel::alarmDisplay, {});
    onOffSetting(t, "AR", &SettingsModel::alarmReturn, {});
    // Requested as "RAD" / "RAR" (or with the O) and answered as the set command.
    addFixedRead(t, "AD", [](const SettingsModel& s) { return std::string(s.alarmDisplay ? "ADON" : "ADOF"); });
    addFixedRead(t, "ADO", [](const SettingsModel& s) { return std::string(s.alarmDisplay ? "ADON" : "ADOF"); });
    addFixedRead(t, "AR", [](const SettingsModel& s) { return std::string(s.alarmReturn ? "ARON" : "AROF"); });
    addFixedRead(t, "ARO", [](const SettingsModel& s) { return std::string(s.alarmReturn ? "ARON" : "AROF"); });
    addSet(t, "ADT", 6, [](SettingsModel& s, std::string_view b) {
        int v = 0;
        if (!parseDec(b.substr(3, 3), v)) return false;
        setCell(s.alarmHoldTime, b.substr(3, 3));
        return true;
    });
    addFixedRead(t, "ADT", [](const SettingsModel& s) {
        std::string text(cellText(s.alarmHoldTime));
        text.resize(3, '0');
        return "ADT" + text;
    });
    connectors(t, "ACA");
    connectors(t, "RCA");

    addSet(t, "RM", 5, [](SettingsModel& s, std::string_view b) {
        const std::string_view v = b.substr(2);
        if (v == "BIN") s.remoteMode = 0;
        else if (v == "BIT") s.remoteMode = 1;
        else if (v == "OPE") s.remoteMode = 2;
        else return false;
        return true;
    });
    addFixedRead(t, "RM", [](const SettingsModel& s) {
        return std::string(s.remoteMode == 1 ? "RMBIT" : s.remoteMode == 2 ? "RMOPE" : "RMBIN");
    });

    letterSetting(t, "CI", "AR", &SettingsModel::connectorInput, {"CI"});
    letterSetting(t, "VLBC", "NB", &SettingsModel::videoLossBackColour, {"VLBC"});
    onOffSetting(t, "CFZ", &SettingsModel::zoomFont, {"CFZ"});

    addSet(t, "POSP", 7, [](SettingsModel& s, std::string_view b) { return parsePage(b, 4, s.powerOnPage); });
    addSet(t, "POSPAS", 6, [](SettingsModel& s, std::string_view) {
        s.powerOnPage = kPowerOnPas;
        return true;
    });
    addFixedRead(t, "POSP", [](const SettingsModel& s) {
        return s.powerOnPage >= kPowerOnPas ? std::string("POSPAS") : "POSP" + dec(s.powerOnPage + 1, 3);
    });
    // The display mode read of the single-line model; its answer carries nothing the console keeps.
    addFixedRead(t, "DM", [](const SettingsModel&) { return std::string("DM0"); });
}

void addNetwork(CommandTable& t) {
    address(t, "EIA", &SettingsModel::netIpAddress);
    address(t, "EGA", &SettingsModel::netGatewayAddress);
    address(t, "EAA", &SettingsModel::netActiveAddress);
    letterSetting(t, "ESM", "ABC", &SettingsModel::netSubnetClass, {"ESM"});
    addSet(t, "EPN", 8, [](SettingsModel& s, std::string_view b) {
        int v = 0;
        if (!parseDec(b.substr(3, 5), v) || v > 65535) return false;
        setCell(s.netPortNumber, b.substr(3, 5));
        return true;
    });
    addFixedRead(t, "EPN", [](const SettingsModel& s) {
        std::string port(cellText(s.netPortNumber));
        port.resize(5, '0');
        return "EPN" + port;
    });
    onOffSetting(t, "ECT", &SettingsModel::netConnectionTry, {"ECT"});
    onOffSetting(t, "EKA", &SettingsModel::netKeepAlive, {"EKA"});
    addSet(t, "ETR", 4, [](SettingsModel& s, std::string_view b) {
        const int d = b[3] - '0';
        if (d < 1 || d > 6) return false;
        s.netTimeRegister = d - 1;
        return true;
    });
    addFixedRead(t, "ETR", [](const SettingsModel& s) { return "ETR" + dec(s.netTimeRegister + 1, 1); });
    addFixedRead(t, "EMA", [](const SettingsModel&) { return "EMA" + std::string(kMacAddress); });
    addFixedRead(t, "VN", [](const SettingsModel&) { return "VN" + std::string(kVersion); });
}

}  // namespace

void addDeviceCommands(CommandTable& t, Product) {
    addClock(t);
    addAlarmRemoteOther(t);
    addNetwork(t);
}

}  // namespace vrq::sim
