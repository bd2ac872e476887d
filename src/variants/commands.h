#pragma once
// Command numbers of the menus; toolbar buttons carry 501.. and map onto these.

namespace vrq::cmd {

inline constexpr int kNew = 32775;
inline constexpr int kOpen = 32776;
inline constexpr int kSave = 32777;
inline constexpr int kSaveAs = 32778;
inline constexpr int kExit = 121;
inline constexpr int kDateTime = 32780;
inline constexpr int kTitle = 32781;
inline constexpr int kCharSize = 32804;
inline constexpr int kLineSpacing = 32805;
inline constexpr int kBlink = 32806;
inline constexpr int kAutoSwitch = 32783;
inline constexpr int kColour = 32784;
inline constexpr int kFill = 32785;
inline constexpr int kCharLevel = 32786;
inline constexpr int kSchedule = 32787;
inline constexpr int kAlarm = 32788;
inline constexpr int kRemote = 32789;
inline constexpr int kOther = 32790;
inline constexpr int kDisplayPage = 32802;
inline constexpr int kGlyphSmall = 32795;
inline constexpr int kGlyphMedium = 32796;
inline constexpr int kGlyphLarge = 32797;
inline constexpr int kGlyphInsert = 32794;
inline constexpr int kSendAll = 32791;
inline constexpr int kSlaveAddress = 32792;
inline constexpr int kReadAll = 32807;
inline constexpr int kInterface = 32798;
inline constexpr int kSerialSettings = 32799;
inline constexpr int kClientServer = 32803;
inline constexpr int kTcpSettings = 32800;
inline constexpr int kProtocol = 32801;
inline constexpr int kVersion = 120;
// Single-line program only.
inline constexpr int kDisplayPosition = 32809;
inline constexpr int kDisplayOffset = 32810;
inline constexpr int kScrollSpeed = 32811;
// Our own: the traffic monitor window.
inline constexpr int kTrafficMonitor = 32812;
// Our own: every title to a spreadsheet file and back.
inline constexpr int kExportTitlesCsv = 32813;
inline constexpr int kImportTitlesCsv = 32814;
// Our own: only the settings changed since the device's last run.
inline constexpr int kSendChanges = 32815;

inline constexpr int kFirstToolButton = 501;

}  // namespace vrq::cmd
