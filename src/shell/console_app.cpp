#include "shell/console_app.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "model/app_config.h"
#include "model/product_names.h"
#include "model/reset_settings.h"
#include "shell/clock_source.h"
#include "shell/command_wiring.h"
#include "shell/icons.h"
#include "shell/main_window.h"
#include "shell/message_box_notifier.h"
#include "shell/recovery.h"
#include "shell/single_instance.h"
#include "shell/ui_text.h"
#include "variants/variant.h"

namespace vrq {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One ini file per program in the user's configuration folder.
std::string configFilePath(Product p) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    dir += "/vrq700-console";
    QDir().mkpath(dir);
    return (dir + "/" + qs(iniFileName(p))).toStdString();
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

QString consoleVersion(Product product) {
    // The version box says "VRQ700 Version 1.00"; --version prints the number.
    const QString text = QString::fromStdString(variantFor(product).versionText);
    return text.section(QLatin1Char(' '), -1);
}

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

int runConsole(Product product, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(product == Product::Single ? "VRQ700S" : "VRQ700");
    QApplication::setApplicationVersion(consoleVersion(product));
    QApplication::setWindowIcon(appIcon());

    QCommandLineParser parser;
    QString error;
    const std::optional<UiLanguage> language = parseConsoleArguments(parser, QApplication::arguments(), error);
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!language) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QApplication::applicationName()), qPrintable(error));
        return 1;
    }
    installUiLanguage(*language);

    SingleInstance instance(qs(instanceMutexName(product)));
    if (!instance.acquired()) {
        QMessageBox box(QMessageBox::NoIcon, qs(productTitle(product)), uiText("２重に起動はできません"),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }

    // A new console starts with an empty client table and every default.
    auto console = makeConsole(product);
    loadAppConfig(*console, configFilePath(product));

    MessageBoxNotifier notifier;
    console->notifier = &notifier;
    ClockSource clock;
    MainWindow window(*console, variantFor(product), clock);
    window.show();

    ConsoleServices services(*console, window, clock);
    services.start();

    // Offered before the signals are caught: ending the program during the
    // question leaves the copies where they are.
    const RecoveryCopy recovery(dataFolder(), product);
    recovery.offer(*console, [&window](const std::string& name) { window.setDocumentName(QString::fromStdString(name)); });
    recovery.offerGlyphs(*console);

    TerminationSignals termination;
    bool ending = false;
    QObject::connect(&termination, &TerminationSignals::requested, [&](int signo) {
        if (ending) return;
        ending = true;
        keepUnsavedWork(*console, recovery);
        window.mainTimer().stop();
        console->app.appRunning = 0;
        QApplication::exit(128 + signo);  // leaves any open dialog's loop as well
    });
    return QApplication::exec();
}

}  // namespace vrq
