#pragma once
// Commands of the device-wide settings: clock, alarm, remote, other settings
// and the device's network interface. Values from the model are kept inside
// their fields, so a damaged document or read-back never yields a broken line.

#include <optional>
#include <string>
#include <string_view>

#include "model/message.h"
#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

// Clock: fields from the date and time lists at the moment of sending.
CommandLine yearCommand(int yearIndex);  // year - 2000, 0..99
CommandLine monthCommand(int month);     // 1..12
CommandLine dayCommand(int day);         // 1..31
CommandLine hourCommand(int hour);       // 0..23
CommandLine minuteCommand(int minute);   // 0..59
CommandLine secondCommand(int second);   // 0..59
CommandLine clockCorrectionCommand();    // TSA
CommandLine clockRangeCommand(const SettingsModel& m);
CommandLine clockDisplayCommand(const SettingsModel& m);
CommandLine clockSizeCommand(const SettingsModel& m);

// Alarm.
inline constexpr Text kHoldTimeTooShortText = VRQ_TEXT("DeviceSettings", "3秒以上を設定してください。");
CommandLine alarmModeCommand(const SettingsModel& m);
// Nothing when the hold time does not start with a number of at least 3.
std::optional<CommandLine> alarmHoldTimeCommand(const SettingsModel& m);
CommandLine alarmPolarityCommand(const SettingsModel& m);
CommandLine alarmDisplayCommand(const SettingsModel& m);
CommandLine alarmReturnCommand(const SettingsModel& m);
CommandLine alarmConnectorCommand(const SettingsModel& m);   // ACA
CommandLine remoteConnectorCommand(const SettingsModel& m);  // RCA, the same numbers

// Remote and other settings.
CommandLine remoteModeCommand(const SettingsModel& m);
CommandLine connectorInputCommand(const SettingsModel& m);
CommandLine powerOnPageCommand(const SettingsModel& m);
CommandLine videoLossCommand(const SettingsModel& m);
CommandLine zoomFontCommand(const SettingsModel& m);

// The device's network interface.
CommandLine ipAddressCommand(const SettingsModel& m);
CommandLine gatewayAddressCommand(const SettingsModel& m);
CommandLine activeAddressCommand(const SettingsModel& m);
CommandLine subnetCommand(const SettingsModel& m);
CommandLine portCommand(const SettingsModel& m);
CommandLine connectionTryCommand(const SettingsModel& m);
CommandLine keepAliveCommand(const SettingsModel& m);
CommandLine timeRegisterCommand(const SettingsModel& m);

// The read-back requests of the network settings, in sending order.
inline constexpr int kNetworkReadRequests = 10;
CommandLine networkReadRequest(int i);  // 0 = REAA .. 9 = RVN

// Dotted decimal to four octets: groups of digits between dots, each taken
// modulo 256; missing groups are 0. Never fails.
Octets parseDottedAddress(std::string_view text);
// "010.000.000.005".
std::string dottedAddressText(const Octets& o);

}  // namespace vrq
