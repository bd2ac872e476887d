#include "shell/console_app.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "dialogs/clock_source.h"
#include "model/app_config.h"
#include "model/product_names.h"
#include "model/reset_settings.h"
#include "shell/command_wiring.h"
#include "shell/document_commands.h"
#include "shell/icons.h"
#include "shell/main_window.h"
#include "shell/message_box_notifier.h"
#include "shell/recovery.h"
#include "shell/single_instance.h"
#include "link/ui_language.h"
#include "variants/variant.h"

namespace vrq {

namespace {

// A name or a number, never translated.
QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One ini file per program in the user's configuration folder.
std::string configFilePath(Product p) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    dir += "/vrq700-console";
    QDir().mkpath(dir);
    return (dir + "/" + fromUtf8(iniFileName(p))).toStdString();
}

// Recovery copies go to the user's data folder, never beside the documents.
// The copy itself makes the folder, private from its creation.
std::string dataFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    return (dir + "/vrq700-console").toStdString();
}

}  // namespace

QString consoleVersion(Product) { return fromUtf8(kReleaseNumber); }

std::optional<UiLanguage> parseConsoleArguments(QCommandLineParser& parser, const QStringList& arguments,
                                                QString& error, Product product) {
    parser.setApplicationDescription(
        product == Product::Single
            ? QStringLiteral("Console for the VRQ-700S, the single-line title display device.")
            : QStringLiteral("Console for the VRQ-700, the multi-line title display device."));
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
    const std::optional<UiLanguage> language = parseConsoleArguments(parser, arguments, error, product);
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!language) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QApplication::applicationName()), qPrintable(error));
        return 1;
    }
    installUiLanguage(*language);

    run.instance = std::make_unique<SingleInstance>(fromUtf8(instanceMutexName(product)));
    if (!run.instance->acquired()) {
        QMessageBox box(QMessageBox::NoIcon, fromUtf8(productTitle(product)),
                        render(VRQ_TEXT("Console", "２重に起動はできません")), QMessageBox::Ok);
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
    if (recovery.offer(console, [&window](const std::string& name) { window.setDocumentName(QString::fromStdString(name)); }))
        // Kept until the recovered document is saved or let go, so a crash
        // before that still finds it.
        run.services->documents().whenSettled([&recovery] { recovery.discard(); });
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

namespace {

void nameApplication(Product product) {
    QCoreApplication::setApplicationName(product == Product::Single ? "VRQ700S" : "VRQ700");
    QCoreApplication::setApplicationVersion(consoleVersion(product));
}

// Help, version and a bad option are answered before a display is needed, so
// they work on a machine without one; the rest starts the window.
std::optional<int> answerWithoutDisplay(Product product, int argc, char** argv) {
    QCoreApplication core(argc, argv);
    nameApplication(product);
    QCommandLineParser parser;
    QString error;
    const std::optional<UiLanguage> language =
        parseConsoleArguments(parser, QCoreApplication::arguments(), error, product);
    // process() prints these itself, --help-all with Qt's own options, and exits 0.
    for (const char* shown : {"help", "help-all", "version"})
        if (parser.isSet(QString::fromLatin1(shown))) parser.process(QCoreApplication::arguments());
    if (!language) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
        return 1;
    }
    return std::nullopt;
}

}  // namespace

int runConsole(Product product, int argc, char** argv) {
    if (const std::optional<int> answered = answerWithoutDisplay(product, argc, argv)) return *answered;
    QApplication app(argc, argv);
    nameApplication(product);
    QApplication::setWindowIcon(appIcon(product));
    RunningConsole run;
    if (const std::optional<int> ended = startConsole(product, QApplication::arguments(), run)) return *ended;
    return QApplication::exec();
}

}  // namespace vrq
