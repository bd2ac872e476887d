#pragma once
// In-memory image of every device setting. Fixed tables for the whole run;
// texts are Shift-JIS bytes, NUL-terminated inside their cells.

#include <array>
#include <cstdint>

namespace vrq {

enum class Product { Multi, Single };  // VRQ700 (ten lines a page) / VRQ700S (one title a page)

inline constexpr int kPages = 512;
inline constexpr int kLines = 10;
inline constexpr int kTitleCell = 60;         // one multi-line title line
inline constexpr int kTitleLineMaxBytes = 56; // what the editor and read-back fill
inline constexpr int kSingleTitleCell = 1120; // the one title of a single-line page
inline constexpr int kSingleTitleMaxBytes = 560;
inline constexpr int kDays = 31;
inline constexpr int kScheduleEntries = 24;
inline constexpr int kConnectors = 8;
inline constexpr int kSchedulePas = 512;   // schedulePage: automatic switching
inline constexpr int kScheduleNone = 513;  // schedulePage: no entry
inline constexpr int kPowerOnPas = 512;

template <int N>
using TextCell = std::array<char, N>;

using PageLineInt = std::array<std::array<int, kLines>, kPages>;
using PageInt = std::array<int, kPages>;
using DayEntryInt = std::array<std::array<int, kScheduleEntries>, kDays>;
using Octets = std::array<std::uint8_t, 4>;

struct SettingsModel {
    // Per line [page][line].
    std::array<std::array<TextCell<kTitleCell>, kLines>, kPages> titleText{};
    PageLineInt lineCharSize{};
    PageLineInt lineSpacing{};  // the single-line program uses none of it
    PageLineInt lineBlink{};
    PageLineInt lineCharColour{};
    PageLineInt lineEdgeColour{};
    PageLineInt lineFill{};

    // The single-line program keeps one title text per page instead of ten lines.
    std::array<TextCell<kSingleTitleCell>, kPages> singleTitleText{};

    // Per page.
    PageInt pageAutoSwitch{};  // single-line program: 0 = SKIP, 1 = LIVE
    PageInt pageCharWhiteLevel{};
    PageInt pageCharBlackLevel{};
    PageInt pageDisplayPosition{};
    PageInt pageScrollSpeed{};
    PageInt pagePositionOffset{};  // single-line program: display position offset 0..15

    // Schedule [day][entry].
    DayEntryInt scheduleHour{};
    DayEntryInt scheduleMinute{};
    DayEntryInt schedulePage{};

    // Device-wide.
    int clockDisplayOn = 0;
    int clockDisplayRange = 0;
    int clockDisplaySize = 0;
    int alarmMode = 0;
    int alarmPolarity = 0;
    int alarmDisplay = 1;
    int alarmReturn = 1;
    TextCell<4> alarmHoldTime{};
    std::array<int, kConnectors> connectorAssign{};
    int remoteMode = 0;
    int connectorInput = 0;
    int powerOnPage = 0;
    int videoLossBackColour = 0;
    int displayOffsetH = 7;
    int displayOffsetV = 7;
    int zoomFont = 0;
    int netSubnetClass = 2;
    int netConnectionTry = 0;
    int netKeepAlive = 0;
    int netTimeRegister = 5;
    TextCell<6> netPortNumber{};
    Octets netIpAddress{};
    Octets netGatewayAddress{};
    Octets netActiveAddress{};
    TextCell<18> netMacAddress{};
    TextCell<8> deviceVersion{};
};

}  // namespace vrq
