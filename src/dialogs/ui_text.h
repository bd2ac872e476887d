#pragma once
// Transitional: operator texts looked up whole in the old translation file,
// for the callers that do not mark their texts yet.

#include <string_view>

#include <QString>

#include "link/ui_language.h"

namespace vrq {

// The fixed translation context of the texts still looked up whole.
inline constexpr const char* kTextContext = "vrq";

// The operator text in the chosen language. A text composed below the UI
// (a notice with a number or a name in it) is translated line by line and,
// failing that, by the known phrases it is made of.
QString uiText(const QString& japanese);
QString uiText(std::string_view japanese);
inline QString uiText(const char* japanese) { return uiText(std::string_view(japanese)); }
// A text with a use of its own ("menu", "icon"): the translation file may word
// it apart from the same Japanese elsewhere ("設定" is "Settings" in the menu
// bar and "Set" on a button).
QString uiTextAs(std::string_view japanese, const char* use);
// Text that is not translated (a name, a version, an address), as Qt shows it.
inline QString plainText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace vrq
