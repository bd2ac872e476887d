#include "shell/console_app.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>

#include "model/app_config.h"
#include "model/product_names.h"
#include "model/reset_settings.h"
#include "dialogs/clock_source.h"
#include "shell/command_wiring.h"
#include "shell/icons.h"
#include "shell/main_window.h"
#include "shell/message_box_notifier.h"
#include "shell/recovery.h"
#include "shell/single_instance.h"
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

int runConsole(Product product, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(product == Product::Single ? "VRQ700S" : "VRQ700");
    QApplication::setWindowIcon(appIcon());

    // Qt's own buttons speak Japanese like the rest of the console.
    QTranslator qtJapanese;
    if (qtJapanese.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    SingleInstance instance(qs(instanceMutexName(product)));
    if (!instance.acquired()) {
        QMessageBox box(QMessageBox::NoIcon, qs(productTitle(product)), "２重に起動はできません", QMessageBox::Ok);
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
        console->app.appRunning = false;
        QApplication::exit(128 + signo);  // leaves any open dialog's loop as well
    });
    return QApplication::exec();
}

}  // namespace vrq
