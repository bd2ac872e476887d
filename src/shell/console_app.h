#pragma once
// Start-up of either program: instance guard, model, configuration, main
// window, serial link, then the event loop.

#include <optional>

#include <QString>
#include <QStringList>

#include "model/settings_model.h"
#include "shell/ui_text.h"

class QCommandLineParser;

namespace vrq {

// The number the version box shows.
QString consoleVersion(Product product);
// --help, --version and --lang; the language chosen, or nothing with `error` set.
std::optional<UiLanguage> parseConsoleArguments(QCommandLineParser& parser, const QStringList& arguments,
                                                QString& error);

int runConsole(Product product, int argc, char** argv);

}  // namespace vrq
