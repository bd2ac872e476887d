#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "dialogs/clock_source.h"
#include "link/ui_language.h"
#include "model/product_names.h"
#include "protocol/notifier.h"
#include "shell/clock_text.h"
#include "shell/icons.h"
#include "variants/commands.h"

namespace vrq {

namespace {

// A tooltip is written like the menu item it names; shown, it loses the
// shortcut marks and "&&" becomes "&".
QString withoutShortcutMarks(const QString& menuText) {
    QString out;
    for (qsizetype i = 0; i < menuText.size(); ++i) {
        if (menuText[i] == QLatin1Char('&') && i + 1 < menuText.size()) ++i;
        out += menuText[i];
    }
    return out;
}

}  // namespace

MainWindow::MainWindow(Console& c, const Variant& v, const ClockSource& clock, QWidget* parent)
    : QMainWindow(parent), c_(c), v_(v), clock_(clock) {
    setObjectName("mainWindow");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(appIcon(v_.product));
    buildMenus();
    buildToolbar();
    buildStatusBar();
    updateTitle();
    move(0, 0);
    resize(v_.windowWidth, std::max(v_.windowHeight, sizeHint().height()));
    setDocumentName("File Name");

    c_.app.appRunning = true;
    connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);
    timer_.start(mainTimerPeriodMs(v_.product));
    updateClock();
}

void MainWindow::setHandler(int command, std::function<void()> handler) { handlers_[command] = std::move(handler); }

void MainWindow::buildMenus() {
    std::function<void(QMenu*, const std::vector<MenuEntry>&)> fill = [&](QMenu* menu,
                                                                           const std::vector<MenuEntry>& entries) {
        for (const MenuEntry& e : entries) {
            if (e.isSeparator()) {
                menu->addSeparator();
            } else if (!e.children.empty()) {
                fill(menu->addMenu(vrq::render(e.label)), e.children);
            } else {
                QAction* a = menu->addAction(commandIcon(e.command), vrq::render(e.label));
                const int command = e.command;
                connect(a, &QAction::triggered, this, [this, command] { dispatch(command); });
                actions_[command] = a;
            }
        }
    };
    for (const MenuEntry& top : v_.menuBar) {
        QMenu* m = menuBar()->addMenu(vrq::render(top.label));
        fill(m, top.children);
        // The greying follows the link whenever a menu is about to show.
        connect(m, &QMenu::aboutToShow, this, &MainWindow::applyMenuRules);
    }
}

void MainWindow::buildToolbar() {
    QToolBar* bar = addToolBar("toolbar");
    bar->setObjectName("toolbar");
    bar->setMovable(false);
    // Fourteen (sixteen) buttons have to fit the narrow window.
    bar->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; border: 0px; } "
                       "QToolButton { padding: 0px; margin: 0px; border: 0px; }"
                       "QToolButton:hover { background: #dfe6f5; } QToolButton:pressed { background: #b9c6e6; }");
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setIconSize(QSize(v_.toolImageWidth, v_.toolImageHeight));
    for (const ToolButton& b : v_.toolbar) {
        QAction* a = bar->addAction(commandIcon(b.command), "");
        a->setToolTip(withoutShortcutMarks(vrq::render(tooltipFor(v_, b.id))));
        a->setObjectName(QString("tool%1").arg(b.id));
        const int id = b.id;
        connect(a, &QAction::triggered, this, [this, id] { dispatch(id); });
    }
}

void MainWindow::buildStatusBar() {
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName("dateLabel");
    docLabel_ = new QLabel(this);
    docLabel_->setObjectName("documentLabel");
    docLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName("timeLabel");
    timeLabel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    statusBar()->addWidget(dateLabel_);
    statusBar()->addWidget(docLabel_, 1);
    statusBar()->addPermanentWidget(timeLabel_);
    statusBar()->setSizeGripEnabled(false);
}

QAction* MainWindow::actionFor(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::applyMenuRules() {
    const bool tcp = c_.app.linkInterface == kLinkTcp;
    const bool rs485 = !tcp && c_.app.serialMode == kRs485;
    auto enable = [this](int command, bool on) {
        if (QAction* a = actionFor(command)) a->setEnabled(on);
    };
    enable(cmd::kSerialSettings, !tcp);
    enable(cmd::kClientServer, tcp);
    enable(cmd::kTcpSettings, tcp);
    enable(cmd::kSlaveAddress, rs485);
}

// The server title only where the console is a server: on the serial line it is neither.
void MainWindow::updateTitle() {
    const bool server = c_.app.tcpRole == kTcpServer && c_.app.linkInterface == kLinkTcp;
    setWindowTitle(QString::fromStdString(server ? v_.serverTitle : v_.clientTitle));
}

void MainWindow::dispatch(int id) {
    const int command = commandForId(v_, id);
    if (command == 0) return;
    if (command == cmd::kExit) {
        close();
        return;
    }
    if (command == cmd::kVersion) {
        showVersion();
        return;
    }
    if (command == cmd::kProtocol && c_.app.linkInterface == kLinkTcp) {
        // The device's network settings travel over the serial line only.
        if (c_.notifier) showError(*c_.notifier, VRQ_TEXT("MainWindow", "インターフェイスをRS-232Cにしてください。"));
        return;
    }
    auto it = handlers_.find(command);
    if (it != handlers_.end() && it->second) it->second();
    if (command == cmd::kClientServer || command == cmd::kInterface) updateTitle();
}

void MainWindow::showVersion() {
    QMessageBox box(this);
    box.setObjectName("versionBox");
    box.setWindowTitle(vrq::render(v_.versionBoxTitle));
    box.setIconPixmap(appIcon(v_.product).pixmap(32, 32));
    box.setText(QString::fromStdString(v_.versionText));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void MainWindow::tick() {
    if (tickHook_) tickHook_();
    updateClock();
}

void MainWindow::updateClock() {
    const QDateTime now = clock_.now();
    const QDate d = now.date();
    const QTime t = now.time();
    if (uiLanguage() == UiLanguage::English) {
        dateLabel_->setText(QLocale(QLocale::English).toString(d, QStringLiteral("ddd, d MMM yyyy")));
        timeLabel_->setText(t.toString(QStringLiteral("HH:mm:ss")));
        return;
    }
    dateLabel_->setText(QString::fromStdString(clockDateText(d.year(), d.month(), d.day(), d.dayOfWeek() % 7)));
    timeLabel_->setText(QString::fromStdString(clockTimeText(t.hour(), t.minute(), t.second())));
}

void MainWindow::setDocumentName(const QString& text) {
    docLabel_->setText(text);
    docLabel_->setToolTip(text);
}

QString MainWindow::dateText() const { return dateLabel_->text(); }
QString MainWindow::timeText() const { return timeLabel_->text(); }
QString MainWindow::documentText() const { return docLabel_->text(); }

void MainWindow::closeEvent(QCloseEvent* e) {
    if (c_.app.tcpConnected) {
        if (c_.notifier) showError(*c_.notifier, VRQ_TEXT("MainWindow", "TCP/IPを切断してください。"));
        e->ignore();
        return;
    }
    if (confirmExit_ && !confirmExit_()) {
        e->ignore();
        return;
    }
    timer_.stop();
    c_.app.appRunning = false;
    e->accept();
    QApplication::quit();
}

}  // namespace vrq
