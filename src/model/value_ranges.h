#pragma once
// A document from elsewhere may hold values no dialog could have set. The
// command builders keep every field in range on the wire; correcting the
// model the same way when a document is opened makes the previews and lists
// show exactly what the send buttons send. Both take a stored value through
// the functions below, so the two can never disagree.

#include <algorithm>
#include <string>
#include <vector>

#include "model/message.h"
#include "model/settings_model.h"

namespace vrq {

// A field whose command carries the value itself: anything outside goes out
// as the nearer end.
struct ValueRange {
    int lo, hi;
    constexpr int sent(int v) const { return std::clamp(v, lo, hi); }
};
inline constexpr ValueRange kSpacingRange{0, 63};
inline constexpr ValueRange kColourRange{0, 8};
inline constexpr ValueRange kCharLevelRange{0, 4};
inline constexpr ValueRange kAutoSwitchSecondsRange{0, 99};  // multi-line program
inline constexpr ValueRange kScrollSpeedRange{0, 3};
inline constexpr ValueRange kPositionOffsetRange{0, 15};
inline constexpr ValueRange kHourRange{0, 23};
inline constexpr ValueRange kMinuteRange{0, 59};
inline constexpr ValueRange kConnectorPageRange{0, kPages - 1};
inline constexpr ValueRange kPowerOnPageRange{0, kPowerOnPas};  // the last is PAS
inline constexpr ValueRange kClockRangeRange{0, 7};
inline constexpr ValueRange kSubnetClassRange{0, 2};
inline constexpr ValueRange kTimeRegisterRange{0, 5};

// Fields whose command has a letter for each value: the stored value that
// sends the letter an unknown value gets.
constexpr int sentOnOff(int v) { return v != 0 ? 1 : 0; }
constexpr int sentMultiCharSize(int v) { return v == 1 || v == 2 ? v : 0; }   // "L"
constexpr int sentSingleCharSize(int v) { return v == 0 || v == 1 ? v : 2; }  // "S"
constexpr int sentSinglePosition(int v) { return v == 1 ? 1 : 0; }            // "T", top
constexpr int sentRemoteMode(int v) { return v == 1 || v == 2 ? v : 0; }      // "BIN"
// A page no list offers goes out as "000", as no entry does.
constexpr int sentSchedulePage(int v) { return v >= 0 && v <= kSchedulePas ? v : kScheduleNone; }

// The kinds of values, named as the operator knows them from the menus.
enum class ValueKind {
    CharSize,
    Spacing,         // line spacing of the multi-line program
    PositionOffset,  // display position offset of the single-line program
    Blink,
    Colour,
    Fill,
    AutoSwitch,
    CharLevel,
    DisplayPosition,
    ScrollSpeed,
    Schedule,
    Clock,
    Alarm,
    Remote,
    Other,
    Network,
};

// Sets every out-of-range value to the one its command sends; returns the
// kinds that held any, each once, in menu order.
std::vector<ValueKind> correctOutOfRange(SettingsModel& m, Product p);

// The notice that tells the operator which kinds were corrected.
Message correctedValuesText(const std::vector<ValueKind>& kinds);

}  // namespace vrq
