// Every setting dialog of both programs, opened from the menu as the operator
// opens it: one changed value makes the document modified, so exit asks.
// A read-all that stores a value does the same.

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/setting_dialog.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/transport.h"
#include "dialogs/clock_source.h"
#include "shell/command_wiring.h"
#include "shell/main_window.h"
#include "variants/commands.h"
#include "variants/variant.h"

namespace vrq {
namespace {

struct Change {
    int command;
    const char* widget;  // a list or an edit field bound to a record of the document
};

std::vector<Change> changes(Product p) {
    std::vector<Change> all = {
        {cmd::kDateTime, "rangeCombo"},  {cmd::kTitle, "titleEdit"},      {cmd::kCharLevel, "whiteCombo"},
        {cmd::kSchedule, "hourCombo"},   {cmd::kAlarm, "holdTimeEdit"},   {cmd::kRemote, "modeCombo"},
        {cmd::kOther, "inputCombo"},     {cmd::kProtocol, "subnetCombo"}, {cmd::kAutoSwitch, p == Product::Single ? "valueCombo" : "secondsCombo"},
        {cmd::kCharSize, "valueCombo"},  {cmd::kBlink, "valueCombo"},     {cmd::kFill, "valueCombo"},
        {cmd::kColour, p == Product::Single ? "valueCombo1" : "edgeColourCombo"},
    };
    if (p == Product::Single) {
        all.push_back({cmd::kDisplayPosition, "valueCombo"});
        all.push_back({cmd::kDisplayOffset, "valueCombo"});
    } else {
        all.push_back({cmd::kLineSpacing, "valueCombo"});
    }
    return all;
}

class DocumentModifiedTest : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        c = makeConsole(GetParam());
        c->notifier = &notes;
        c->app.comDevicePath[0] = "/nonexistent/vrq-tty";  // the serial link stays closed
        w = std::make_unique<MainWindow>(*c, variantFor(GetParam()), clock);
        services = std::make_unique<ConsoleServices>(*c, *w, clock);
        services->start();
    }
    // Opens the dialog of `command` from the menu and runs `inside` in it.
    void inDialog(int command, std::function<void(QWidget*)> inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* d = QApplication::activeModalWidget();
            ASSERT_NE(d, nullptr);
            inside(d);
            ran = true;
            if (auto* dialog = qobject_cast<QDialog*>(d); dialog && dialog->isVisible()) dialog->reject();
        });
        w->dispatch(command);
        EXPECT_TRUE(ran) << command;
    }

    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    ClockSource clock;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<ConsoleServices> services;
};

TEST_P(DocumentModifiedTest, OneChangeInAnySettingDialogMakesExitAsk) {
    for (const Change& change : changes(GetParam())) {
        markDocumentClean(*c);
        inDialog(change.command, [&](QWidget* d) {
            QWidget* target = d->findChild<QWidget*>(change.widget);
            ASSERT_NE(target, nullptr) << change.widget;
            if (auto* combo = qobject_cast<QComboBox*>(target)) {
                combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
            } else {
                if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->clear();
                if (std::string_view(change.widget) == "titleEdit") {
                    // A title takes full-width characters only: typed as an input method commits them.
                    QInputMethodEvent e;
                    e.setCommitString(QString::fromUtf8("７"));
                    QApplication::sendEvent(target, &e);
                } else {
                    QTest::keyClicks(target, "7");
                }
            }
        });
        EXPECT_TRUE(c->app.documentModified) << change.command << " " << change.widget;
    }

    // Opening and closing a dialog without a change leaves the document clean.
    markDocumentClean(*c);
    inDialog(cmd::kSchedule, [](QWidget*) {});
    EXPECT_FALSE(c->app.documentModified);
}

TEST_P(DocumentModifiedTest, ReadAllThatStoresAValueMakesExitAsk) {
    inDialog(cmd::kReadAll, [&](QWidget* d) {
        auto* dialog = qobject_cast<ReadAllDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        dialog->startButton()->click();
        dialog->tickRun();
        handleSerialReply(*c, "AME\r\n");  // the device's alarm mode: External
        // No device behind the closed port: the run stops after a few silent
        // commands, each asked twice with a quiet gap after each silence.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            c->serialTransport->answerTimedOut();
            dialog->tickRun();
            return !dialog->runActive();
        }, 20000));
        EXPECT_FALSE(dialog->runActive());
    });
    EXPECT_EQ(c->settings.alarmMode, 1);
    notes.answers = {true};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(notes.questions, std::vector<std::string>{"データを保存せずに終了しますか？"});
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, DocumentModifiedTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

}  // namespace
}  // namespace vrq
