#pragma once
// The language of the operator's texts. The Japanese texts in the code are the
// translation sources; a text is translated where Qt shows it, never where it
// is composed, so command bytes, documents and ini files stay as they are.

#include <optional>
#include <string_view>

#include <QString>

namespace vrq {

enum class UiLanguage { Japanese, English };

// The fixed translation context of every operator text.
inline constexpr const char* kTextContext = "vrq";

// Japanese for a Japanese locale or none at all (LC_ALL, LC_MESSAGES, LANG
// unset), English for any other.
UiLanguage languageForLocale(const QByteArray& lcAll, const QByteArray& lcMessages, const QByteArray& lang);
UiLanguage languageFromEnvironment();
// "ja" or "en"; nothing for any other name.
std::optional<UiLanguage> languageNamed(const QString& name);

// Installs the translators of `language` on the running application (Qt's own
// texts for Japanese, ours for English). Japanese leaves every text as it is.
void installUiLanguage(UiLanguage language);
UiLanguage uiLanguage();

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
