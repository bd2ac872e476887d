#include "shell/console_app.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "dialogs/clock_source.h"
#include "dialogs/ui_text.h"
#include "model/app_config.h"
#include "model/product_names.h"
#include "model/reset_settings.h"
#include "shell/command_wiring.h"
#include "shell/icons.h"
#include "shell/main_window.h"
#include "shell/message_box_notifier.h"
#include "shell/recovery.h"
#include "shell/single_instance.h"
#include "variants/variant.h"

namespace vrq {

namespace {

// One ini file per program in the user's configuration folder.
std::string configFilePath(Product p) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    dir += "/vrq700-console";
    QDir().mkpath(dir);
    return (dir + "/" + plainText(iniFileName(p))).toStdString();
}

// Recovery copies go to the user's data folder, never beside the documents.
std::string dataFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    dir += "/vrq700-console";
    QDir().mkpath(dir);
    return dir.toStdString();
}

}  // namespace

QString consoleVersion(Product) { return plainText(kReleaseNumber); }

std::optional<UiLanguage> parseConsoleArguments(QCommandLineParser& parser, const QStringList& arguments,
                                                QString& error) {
    parser.setApplicationDescription(QStringLiteral("Console for the VRQ-700 family of title display devices."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the interface: ja or en (default: from the locale; "
                                                 "Japanese when none is set)."),
                                  QStringLiteral("ja|en"));
    parser.addOption(lang);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }
    if (!parser.isSet(lang)) return languageFromEnvironment();
    const std::optional<UiLanguage> chosen = languageNamed(parser.value(lang));
    if (!chosen) error = QStringLiteral("Unknown language '%1': use ja or en.").arg(parser.value(lang));
    return chosen;
}

RunningConsole::RunningConsole() = default;
RunningConsole::~RunningConsole() = default;

std::optional<int> startConsole(Product product, const QStringList& arguments, RunningConsole& run) {
    QCommandLineParser parser;
    QString error;
    const std::optional<UiLanguage> language = parseConsoleArguments(parser, arguments, error);
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!language) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QApplication::applicationName()), qPrintable(error));
        return 1;
    }
    installUiLanguage(*language);

    run.instance = std::make_unique<SingleInstance>(plainText(instanceMutexName(product)));
    if (!run.instance->acquired()) {
        QMessageBox box(QMessageBox::NoIcon, plainText(productTitle(product)), uiText("２重に起動はできません"),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }

    // A new console starts with an empty client table and every default.
    run.console = makeConsole(product);
    Console& console = *run.console;
    loadAppConfig(console, configFilePath(product));

    run.notifier = std::make_unique<MessageBoxNotifier>();
    console.notifier = run.notifier.get();
    run.clock = std::make_unique<ClockSource>();
    run.window = std::make_unique<MainWindow>(console, variantFor(product), *run.clock);
    MainWindow& window = *run.window;
    window.show();

    run.services = std::make_unique<ConsoleServices>(console, window, *run.clock);
    run.services->keepBasesIn(dataFolder() + "/bases");
    run.services->start();

    // Offered before the signals are caught: ending the program during the
    // question leaves the copies where they are.
    run.recovery = std::make_unique<RecoveryCopy>(dataFolder(), product);
    const RecoveryCopy& recovery = *run.recovery;
    recovery.offer(console, [&window](const std::string& name) { window.setDocumentName(QString::fromStdString(name)); });
    recovery.offerGlyphs(console);

    run.termination = std::make_unique<TerminationSignals>();
    QObject::connect(run.termination.get(), &TerminationSignals::requested, [&run](int signo) {
        if (run.ending) return;
        run.ending = true;
        keepUnsavedWork(*run.console, *run.recovery);
        run.window->mainTimer().stop();
        run.console->app.appRunning = false;
        QApplication::exit(128 + signo);  // leaves any open dialog's loop as well
    });
    return std::nullopt;
}

int runConsole(Product product, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(product == Product::Single ? "VRQ700S" : "VRQ700");
    QApplication::setApplicationVersion(consoleVersion(product));
    QApplication::setWindowIcon(appIcon());
    RunningConsole run;
    if (const std::optional<int> ended = startConsole(product, QApplication::arguments(), run)) return *ended;
    return QApplication::exec();
}

}  // namespace vrq
