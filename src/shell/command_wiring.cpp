#include "shell/command_wiring.h"

#include <QScreen>

#include "dialogs/alarm_dialog.h"
#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/client_server_dialog.h"
#include "dialogs/date_time_dialog.h"
#include "dialogs/interface_dialog.h"
#include "dialogs/line_setting_dialogs.h"
#include "dialogs/other_dialog.h"
#include "dialogs/page_setting_dialogs.h"
#include "dialogs/protocol_dialog.h"
#include "dialogs/remote_dialog.h"
#include "dialogs/serial_settings_dialog.h"
#include "dialogs/single_page_dialogs.h"
#include "dialogs/slave_address_dialog.h"
#include "dialogs/tcp_client_dialog.h"
#include "dialogs/tcp_server_dialog.h"
#include "dialogs/title_editor.h"
#include "dialogs/traffic_monitor.h"
#include "model/app_config.h"
#include "shell/monitor_placement.h"
#include "glyph_ui/glyph_editor_dialog.h"
#include "glyph_ui/glyph_insert_dialog.h"
#include "link/serial_link.h"
#include "link/tcp_link.h"
#include "dialogs/send_changes_dialog.h"
#include "model/send_bases.h"
#include "model/settings_file.h"
#include "protocol/reply_parser.h"
#include "shell/document_commands.h"
#include "shell/main_window.h"
#include "shell/title_csv_commands.h"
#include "variants/commands.h"

namespace vrq {

ConsoleServices::ConsoleServices(Console& c, MainWindow& window, const ClockSource& clock)
    : c_(c), window_(window), clock_(clock) {
    c_.traffic = [this](const TrafficEvent& e) { traffic_.add(e); };
    serial_ = std::make_unique<SerialLink>(c);
    tcp_ = std::make_unique<TcpLink>(c);
    files_ = std::make_unique<QtFileChooser>(&window);
    glyphFiles_ = std::make_unique<FileDialogGlyphChooser>();
    bases_ = std::make_unique<SendBases>(std::string(), c.product);
    documents_ = std::make_unique<DocumentCommands>(
        c, *files_, [this](const std::string& path) { window_.setDocumentName(QString::fromStdString(path)); });
    titleCsvUi_ = std::make_unique<QtTitleCsvUi>(&window);
    titleCsv_ = std::make_unique<TitleCsvCommands>(c, *titleCsvUi_);
}

ConsoleServices::~ConsoleServices() {
    c_.traffic = nullptr;
    if (monitor_ && monitor_->isVisible()) monitor_->close();  // keeps where it stood
    delete monitor_.data();
    // The links unregister themselves from the console as they go.
    tcp_.reset();
    serial_.reset();
}

void ConsoleServices::start() {
    window_.setTickHook([this] { mainTimerStep(c_); });
    window_.setConfirmExit([this] { return documents_->confirmExit(); });
    wireCommands();
    if (c_.app.linkInterface == kLinkSerial) serial_->open();
}

template <class D, class... Args>
void ConsoleServices::open(Args&&... args) {
    {
        D dialog(std::forward<Args>(args)...);
        dialog.exec();
    }
    // Whatever the dialog changed, by the operator or by a read-back, makes
    // the document modified; the comparison finds every path that writes.
    noteDocumentChanges(c_);
}

TrafficMonitor* ConsoleServices::trafficMonitor() const { return monitor_; }

void ConsoleServices::keepBasesIn(const std::string& folder) { bases_ = std::make_unique<SendBases>(folder, c_.product); }

void ConsoleServices::showTrafficMonitor() {
    // Not modal: it stays open beside the window and the runs it watches.
    if (!monitor_) {
        monitor_ = new TrafficMonitor(c_, traffic_, &window_);
        const QRect screen = window_.screen()->availableGeometry();
        const std::string saved = c_.app.configPath.empty()
                                      ? std::string()
                                      : readAppConfigValue(c_.app.configPath, c_.product, kMonitorGeometryKey, "", 64);
        monitor_->setGeometry(savedMonitorGeometry(saved, screen)
                                  .value_or(monitorBeside(window_.frameGeometry(), monitor_->size(), screen)));
        QObject::connect(monitor_, &TrafficMonitor::closedAt, monitor_,
                [this](const QRect& g) { writeConnectionValue(c_, kMonitorGeometryKey, geometryText(g)); });
    }
    monitor_->show();
    monitor_->raise();
    monitor_->activateWindow();
}

void ConsoleServices::wireCommands() {
    MainWindow& w = window_;
    Console& c = c_;
    QWidget* parent = &w;
    auto on = [&w](int command, std::function<void()> f) { w.setHandler(command, std::move(f)); };

    on(cmd::kNew, [this] { documents_->newDocument(); });
    on(cmd::kOpen, [this] { documents_->openDocument(); });
    on(cmd::kSave, [this] { documents_->saveDocument(); });
    on(cmd::kSaveAs, [this] { documents_->saveDocumentAs(); });
    on(cmd::kExportTitlesCsv, [this] { titleCsv_->exportTitles(); });
    on(cmd::kImportTitlesCsv, [this] { titleCsv_->importTitles(); });

    on(cmd::kDateTime, [this, &c, parent] { open<DateTimeDialog>(c, parent, &clock_); });
    on(cmd::kTitle, [this, &c, parent] { open<TitleEditor>(c, parent); });
    on(cmd::kCharLevel, [this, &c, parent] { open<CharLevelDialog>(c, parent); });
    on(cmd::kSchedule, [this, &c, parent] { open<ScheduleDialog>(c, parent); });
    on(cmd::kAlarm, [this, &c, parent] { open<AlarmDialog>(c, parent); });
    on(cmd::kRemote, [this, &c, parent] { open<RemoteDialog>(c, parent); });
    on(cmd::kOther, [this, &c, parent] { open<OtherDialog>(c, parent); });
    on(cmd::kDisplayPage, [this, &c, parent] { open<DisplayPageDialog>(c, parent); });
    on(cmd::kGlyphSmall, [this, &c, parent] { open<GlyphEditorDialog>(c, GlyphSize::Small, glyphFiles_.get(), parent); });
    on(cmd::kGlyphMedium,
       [this, &c, parent] { open<GlyphEditorDialog>(c, GlyphSize::Medium, glyphFiles_.get(), parent); });
    on(cmd::kGlyphLarge, [this, &c, parent] { open<GlyphEditorDialog>(c, GlyphSize::Large, glyphFiles_.get(), parent); });
    on(cmd::kGlyphInsert, [this, &c, parent] { open<GlyphInsertDialog>(c, parent); });
    on(cmd::kSendAll, [this, &c, parent] { open<SendAllDialog>(c, parent, bases_.get()); });
    on(cmd::kSendChanges, [this, &c, parent] { open<SendChangesDialog>(c, *bases_, parent); });
    on(cmd::kSlaveAddress, [this, &c, parent] { open<SlaveAddressDialog>(c, parent); });
    on(cmd::kReadAll, [this, &c, parent] { open<ReadAllDialog>(c, parent, bases_.get()); });
    on(cmd::kInterface, [this, &c, parent] { open<InterfaceDialog>(c, [this] { serial_->open(); }, parent); });
    on(cmd::kSerialSettings, [this, &c, parent] {
        open<SerialSettingsDialog>(c, parent, nullptr, [this] { serial_->open(); });
    });
    on(cmd::kClientServer, [this, &c, parent] { open<ClientServerDialog>(c, parent); });
    on(cmd::kTcpSettings, [this, &c, parent] {
        if (c.app.tcpRole == kTcpServer)
            open<TcpServerDialog>(c, *tcp_, parent);
        else
            open<TcpClientDialog>(c, *tcp_, parent);
    });
    on(cmd::kProtocol, [this, &c, parent] { open<ProtocolDialog>(c, parent); });
    on(cmd::kTrafficMonitor, [this] { showTrafficMonitor(); });

    if (c.single()) {
        auto single = [this, &c, parent](SingleSetting s) { return [this, &c, parent, s] { open<SinglePageDialog>(c, s, parent); }; };
        on(cmd::kCharSize, single(SingleSetting::CharSize));
        on(cmd::kDisplayPosition, single(SingleSetting::Position));
        on(cmd::kDisplayOffset, single(SingleSetting::Offset));
        on(cmd::kScrollSpeed, single(SingleSetting::ScrollSpeed));
        on(cmd::kBlink, single(SingleSetting::Blink));
        on(cmd::kAutoSwitch, single(SingleSetting::AutoSwitch));
        on(cmd::kColour, single(SingleSetting::Colour));
        on(cmd::kFill, single(SingleSetting::Fill));
    } else {
        on(cmd::kCharSize, [this, &c, parent] { open<CharSizeDialog>(c, parent); });
        on(cmd::kLineSpacing, [this, &c, parent] { open<LineSpacingDialog>(c, parent); });
        on(cmd::kBlink, [this, &c, parent] { open<BlinkDialog>(c, parent); });
        on(cmd::kAutoSwitch, [this, &c, parent] { open<AutoSwitchDialog>(c, parent); });
        on(cmd::kColour, [this, &c, parent] { open<ColourDialog>(c, parent); });
        on(cmd::kFill, [this, &c, parent] { open<FillDialog>(c, parent); });
    }
}

}  // namespace vrq
