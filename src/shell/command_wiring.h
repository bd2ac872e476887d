#pragma once
// The links of a running console and the dialogs its commands open.

#include <QPointer>
#include <memory>

#include "model/console.h"
#include "protocol/traffic_log.h"

namespace vrq {

class MainWindow;
class SerialLink;
class TcpLink;
class DocumentCommands;
class QtFileChooser;
class FileDialogGlyphChooser;
class ClockSource;
class TrafficMonitor;
class QtTitleCsvUi;
class TitleCsvCommands;
class SendBases;

class ConsoleServices {
public:
    ConsoleServices(Console& c, MainWindow& window, const ClockSource& clock);
    ~ConsoleServices();

    // Wires every command and the main timer, then opens the serial link when
    // it is the chosen interface.
    void start();

    SerialLink& serial() { return *serial_; }
    TcpLink& tcp() { return *tcp_; }
    TrafficLog& traffic() { return traffic_; }
    DocumentCommands& documents() { return *documents_; }
    TrafficMonitor* trafficMonitor() const;
    // Opens it where it was left, else beside the window.
    void showTrafficMonitor();
    // What each device holds, for "変更分の送信"; in memory until a folder is given.
    SendBases& bases() { return *bases_; }
    void keepBasesIn(const std::string& folder);

private:
    void wireCommands();
    template <class D, class... Args>
    void open(Args&&... args);

    Console& c_;
    MainWindow& window_;
    const ClockSource& clock_;
    std::unique_ptr<SerialLink> serial_;
    std::unique_ptr<TcpLink> tcp_;
    std::unique_ptr<QtFileChooser> files_;
    std::unique_ptr<FileDialogGlyphChooser> glyphFiles_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<QtTitleCsvUi> titleCsvUi_;
    std::unique_ptr<TitleCsvCommands> titleCsv_;
    // Recorded from the start, so the monitor opened after a failure shows it.
    TrafficLog traffic_;
    QPointer<TrafficMonitor> monitor_;
    std::unique_ptr<SendBases> bases_;
};

}  // namespace vrq
