#pragma once
// Start-up of either program: instance guard, model, configuration, main
// window, serial link, then the event loop.

#include <memory>
#include <optional>

#include <QString>
#include <QStringList>

#include "link/ui_language.h"
#include "model/settings_model.h"

class QCommandLineParser;

namespace vrq {

struct Console;
class SingleInstance;
class MessageBoxNotifier;
class ClockSource;
class MainWindow;
class ConsoleServices;
class RecoveryCopy;
class TerminationSignals;

// What a started console holds while its event loop runs, in the order it is
// made (and, backwards, let go).
struct RunningConsole {
    RunningConsole();
    ~RunningConsole();
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<Console> console;
    std::unique_ptr<MessageBoxNotifier> notifier;
    std::unique_ptr<ClockSource> clock;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ConsoleServices> services;
    std::unique_ptr<RecoveryCopy> recovery;
    std::unique_ptr<TerminationSignals> termination;
    bool ending = false;
};

// The number the version box shows.
QString consoleVersion(Product product);
// --help, --version and --lang; the language chosen, or nothing with `error` set.
std::optional<UiLanguage> parseConsoleArguments(QCommandLineParser& parser, const QStringList& arguments,
                                                QString& error, Product product = Product::Multi);

// Everything of a start but the application object and its event loop: the
// arguments, the language, the instance guard, the model, the window and its
// links. The exit status when the program ends before its loop.
std::optional<int> startConsole(Product product, const QStringList& arguments, RunningConsole& run);
int runConsole(Product product, int argc, char** argv);

}  // namespace vrq
