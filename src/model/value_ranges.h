#pragma once
// A document from elsewhere may hold values no dialog could have set. The
// command builders keep every field in range on the wire; correcting the
// model the same way when a document is opened makes the previews and lists
// show exactly what the send buttons send.

#include <string>
#include <vector>

#include "model/settings_model.h"

namespace vrq {

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
std::string correctedValuesText(const std::vector<ValueKind>& kinds);

}  // namespace vrq
