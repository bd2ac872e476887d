#pragma once
// "通信モニタ": the lines on the wire as they come, from the console's
// traffic record. A window of its own, not modal, so it stays open during a
// run; it reads the record on a timer, never once per line.

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "model/console.h"
#include "protocol/traffic_log.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vrq {

class TrafficMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 150;

    TrafficMonitor(Console& c, TrafficLog& log, QWidget* parent = nullptr);

    // The text one entry shows: time, direction, link, address, bytes.
    static QString rowText(const TrafficEntry& e);

    // Writes the lines the filter lets through, in the `vrqctl --log` format.
    bool saveTo(const std::string& path);
    // Takes in what came since the last look (the timer calls it).
    void refresh();

    QPlainTextEdit* view() const { return view_; }
    QLineEdit* filter() const { return filter_; }
    QCheckBox* pause() const { return pause_; }
    QPushButton* clearButton() const { return clear_; }

private:
    void rebuild();
    void clearAll();
    void chooseAndSave();
    void showCounts();

    Console& c_;
    TrafficLog& log_;
    QPlainTextEdit* view_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QCheckBox* pause_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* counts_ = nullptr;
    QTimer timer_;
    std::uint64_t seen_ = 0;  // entries up to this number are in the view
    int shown_ = 0;
};

}  // namespace vrq
