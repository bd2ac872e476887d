#pragma once
// The language of the operator's texts, for the consoles and vrqctl alike.
// Japanese is the source language; English comes from translations/vrq_en.ts.
// A text is translated where it is shown, and the data in it never is.

#include <optional>
#include <string>

#include <QByteArray>
#include <QString>

#include "model/message.h"

namespace vrq {

enum class UiLanguage { Japanese, English };

// Japanese for a Japanese locale or none at all (LC_ALL, LC_MESSAGES, LANG
// unset), English for any other.
UiLanguage languageForLocale(const QByteArray& lcAll, const QByteArray& lcMessages, const QByteArray& lang);
UiLanguage languageFromEnvironment();
// "ja" or "en"; nothing for any other name.
std::optional<UiLanguage> languageNamed(const QString& name);

// Installs the translators of `language` on the running application (Qt's own
// texts for Japanese, ours for English).
void installUiLanguage(UiLanguage language);
UiLanguage uiLanguage();

// The message in the installed language, its data filled in as it is.
QString render(const Message& m);
std::string renderUtf8(const Message& m);
// The text alone (no data), for widgets that show a marked text.
inline QString render(const Text& t) { return render(Message(t)); }

}  // namespace vrq
