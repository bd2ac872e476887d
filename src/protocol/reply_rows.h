#pragma once
// Read-back rows of the reply table. Each takes the line without its CR LF,
// checks that the fixed layout is complete and the page or day is in range,
// and stores what the fields decode to. False means nothing was stored.

#include <string_view>

#include "model/console.h"

namespace vrq::rows {

using Store = bool (*)(Console&, std::string_view body);

// One decimal field character as the device sent it; range checks come after.
inline int digit(char ch) { return static_cast<signed char>(ch) - '0'; }

// Device-wide settings.
bool connectorAssign(Console& c, std::string_view b);  // "ACA" and "RCA"
bool alarmDisplay(Console& c, std::string_view b);
bool alarmHoldTime(Console& c, std::string_view b);
bool alarmMode(Console& c, std::string_view b);
bool alarmPolarity(Console& c, std::string_view b);
bool alarmReturn(Console& c, std::string_view b);
bool zoomFont(Console& c, std::string_view b);
bool connectorInput(Console& c, std::string_view b);
bool powerOnPage(Console& c, std::string_view b);
bool remoteMode(Console& c, std::string_view b);
bool clockDisplayOn(Console& c, std::string_view b);
bool clockDisplayRange(Console& c, std::string_view b);
bool videoLossBackColour(Console& c, std::string_view b);
bool deviceVersion(Console& c, std::string_view b);
bool netActiveAddress(Console& c, std::string_view b);
bool netGatewayAddress(Console& c, std::string_view b);
bool netIpAddress(Console& c, std::string_view b);
bool netMacAddress(Console& c, std::string_view b);
bool netSubnetClass(Console& c, std::string_view b);
bool netPortNumber(Console& c, std::string_view b);
bool netConnectionTry(Console& c, std::string_view b);
bool netKeepAlive(Console& c, std::string_view b);
bool netTimeRegister(Console& c, std::string_view b);

// Display settings of the multi-line program: one page per line.
bool lineColoursPage(Console& c, std::string_view b);  // "CABC"
bool titlePage(Console& c, std::string_view b);        // "CA"
bool lineBlinkPage(Console& c, std::string_view b);    // "CBS"
bool lineCharSizePage(Console& c, std::string_view b); // "CFS"
bool lineFillPage(Console& c, std::string_view b);     // "FB"
bool lineSpacingPage(Console& c, std::string_view b);  // "IDLS"
bool charLevels(Console& c, std::string_view b);       // "CL", all pages
bool autoSwitchAll(Console& c, std::string_view b);    // "PAST", all pages
bool scheduleDay(Console& c, std::string_view b);      // "SD"

// The single-line program: one value per page for all 512 pages.
bool lineColoursAll(Console& c, std::string_view b);   // "CABC"
bool singleTitlePage(Console& c, std::string_view b);  // "CA"
bool lineBlinkAll(Console& c, std::string_view b);     // "CBS"
bool lineCharSizeAll(Console& c, std::string_view b);  // "CFS"
bool lineFillAll(Console& c, std::string_view b);      // "FB"
bool positionOffsetAll(Console& c, std::string_view b);// "IDO"
bool displayPositionAll(Console& c, std::string_view b);// "IDP"
bool scrollSpeedAll(Console& c, std::string_view b);   // "ISS"
bool autoSwitchLetters(Console& c, std::string_view b);// "PAS"

// Field helpers shared by the row files.
inline bool onUnless(char ch, char off) { return ch != off; }
// A page field "001".."512" at `pos` as a page index; false when out of range.
bool pageField(std::string_view b, std::size_t pos, int& page);

}  // namespace vrq::rows
