#pragma once
// The shape every display-setting dialog shares: value lists bound to the
// model, the slave-address list, a caption naming the selected TCP peer, an
// optional preview panel, and a timer-paced send run with its progress.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include "model/console.h"
#include "protocol/run_engine.h"
#include "protocol/send_sequencer.h"
#include "protocol/transport.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPainter;
class QProgressBar;
class QPushButton;

namespace vrq {

// A white panel that paints itself from the model whenever Qt asks, so it is
// redrawn after being shown, changed or uncovered without any timer.
class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&)>;
    PreviewPanel(QSize size, QWidget* parent);
    void setPainter(Painter p) { painter_ = std::move(p); }

    // Text with its top-left corner at (x, y), as the device-pixel origins
    // are given. Either kind is drawn as it is: a text already in the
    // operator's language, or the operator's data (a title).
    static void textAt(QPainter& p, int x, int y, const QString& text);
    static void dataAt(QPainter& p, int x, int y, const QString& text) { textAt(p, x, y, text); }

    // In a scroll area the panel widens to its longest text, so a long title
    // is scrolled to rather than cut at the edge.
    void setGrowsToFit(bool grows) { grows_ = grows; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void fitWidth();

    Painter painter_;
    int baseWidth_ = 0;
    int reach_ = 0;  // right edge of the texts of the last paint
    bool grows_ = false;
};

class SettingDialog : public QDialog {
    Q_OBJECT
public:
    // `caption` is the title without a peer; `peerHeading` is the title with
    // a TCP peer selected, %1 standing for the peer's address text (without
    // %1 the address follows it). Both come translated.
    SettingDialog(Console& c, QWidget* parent, const QString& caption, const QString& peerHeading);
    ~SettingDialog() override;

    // The peer's address text, or empty when none is selected. Client role:
    // the saved address at peerIndex; server role: the client slot selectedSlot.
    static QString peerText(const Console& c);

    static QStringList numberItems(int from, int to, int width);
    static QStringList pageItems();  // "001".."512"

    Console& console() { return c_; }
    const Console& console() const { return c_; }
    QComboBox* slaveAddressCombo() const { return slaveCombo_; }
    PreviewPanel* preview() const { return preview_; }
    QPushButton* closeButton() const { return closeButton_; }
    QProgressBar* progressBar() const { return progress_; }
    QLineEdit* percentBox() const { return percentBox_; }
    QLabel* runClockLabel() const { return runClock_; }
    bool runActive() const { return engine_ && engine_->running(); }
    // The run last started here, or none; its tally tells how each step ended.
    const RunEngine* lastRun() const { return engine_.get(); }

    // One run step, as the run timer performs it; tests call it directly.
    // A tick that finds the previous command still in flight waits for it.
    void tickRun();

protected:
    struct RunPlan {
        int steps = kPages;
        int periodMs = 100;
        SendSequencer::ErrorCheck check = SendSequencer::ErrorCheck::AfterStep;
        SendSequencer::Step step;
        std::function<std::string(int done)> percent;  // the box text after `done` steps
        std::string blank;                           // the box text at the end of a run
        std::function<void()> onRefused;             // a step could not be built
        bool closeEndsRun = false;                   // else Close is disabled during the run
        bool refusalKeepsPosition = false;           // a refused step shows where the run stopped
        bool fast = false;  // the next step goes as soon as the previous answer is in
        StepNamer name;  // the operator's words for step i (1-based); pages by default
        bool read = false;  // it reads settings back rather than sending them
        std::function<void(bool success)> onEnded;  // every step went out and the last one ended
        std::function<void(bool success)> onOver;   // any end of the run, before onEnded
    };
    // A run over the whole document (send-all, read-all, the runs of
    // send-changes): the program's pacing for sends or reads, errors checked
    // before each step, the operator's fast mode; a refused send keeps its place.
    RunPlan documentRunPlan(int steps, bool read) const;

    // Layout helpers: a preview on the left, labelled controls on the right,
    // buttons below them, the progress row at the bottom. Labels, items and
    // button texts are shown as they are given: the caller translates them.
    // With `scrolls`, texts wider than `size` are reached with a scroll bar.
    PreviewPanel* addPreview(QSize size, bool scrolls = false);
    QComboBox* addCombo(const QString& label, const QStringList& items, const QString& objectName);
    void addControl(const QString& label, QWidget* w);
    void addSlaveAddressRow();
    QPushButton* addButton(const QString& text, const QString& objectName);
    void addProgress(int maximum);
    // Elapsed and remaining time of a run, under the progress row.
    void addRunClock();
    QGridLayout* controlGrid() const { return grid_; }
    QHBoxLayout* buttonRow() const { return buttons_; }

    // Selects `index` without emitting the change signal that would write it back.
    static void select(QComboBox* combo, int index);

    void refreshPreview();

    // Checks the link (warning when TCP/IP is down) and that no run is active
    // anywhere; true when the run started.
    bool startRun(RunPlan plan);
    void stopRun();

    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void endRun(RunEngine::End end);
    void showRun(const RunEngine::Tick& t);
    void onRequestEnded(RequestEnd e);
    void updateRunClock();
    void updateSlaveAddressState();
    // The address a run sends to stays while it runs.
    void lockRunTarget(bool locked);

    Console& c_;
    QComboBox* slaveCombo_ = nullptr;
    PreviewPanel* preview_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QHBoxLayout* top_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLineEdit* percentBox_ = nullptr;
    QLabel* runClock_ = nullptr;
    QTimer runTimer_;
    QElapsedTimer runElapsed_;
    RunPlan plan_;
    std::unique_ptr<RunEngine> engine_;
    bool targetLocked_ = false;  // a run of this dialog is active
};

}  // namespace vrq
