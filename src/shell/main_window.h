#pragma once
// The main window: menu bar, toolbar and status bar; all work happens in the
// dialogs its commands open. Drives the main timer.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>

#include "model/console.h"
#include "variants/variant.h"

class QLabel;
class QAction;

namespace vrq {

class ClockSource;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Console& c, const Variant& v, const ClockSource& clock, QWidget* parent = nullptr);

    // What a command does; commands without a handler do nothing.
    void setHandler(int command, std::function<void()> handler);
    // Runs on every main-timer tick before the clock (the reply timeout and notices).
    void setTickHook(std::function<void()> hook) { tickHook_ = std::move(hook); }
    // Asked before the program ends; false keeps it open.
    void setConfirmExit(std::function<bool()> hook) { confirmExit_ = std::move(hook); }

    // A menu command number or a toolbar id; unknown numbers are ignored.
    void dispatch(int id);
    void applyMenuRules();
    void updateTitle();
    void updateClock();
    void setDocumentName(const QString& text);
    void tick();

    QAction* actionFor(int command) const;
    QTimer& mainTimer() { return timer_; }
    QString dateText() const;
    QString timeText() const;
    QString documentText() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void showVersion();

    Console& c_;
    const Variant& v_;
    const ClockSource& clock_;
    QTimer timer_;
    std::map<int, std::function<void()>> handlers_;
    std::map<int, QAction*> actions_;
    std::function<void()> tickHook_;
    std::function<bool()> confirmExit_;
    QLabel* dateLabel_ = nullptr;
    QLabel* docLabel_ = nullptr;
    QLabel* timeLabel_ = nullptr;
};

}  // namespace vrq
