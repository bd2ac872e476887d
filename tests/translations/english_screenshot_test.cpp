// Pictures of both programs in English for the documentation, beside the
// Japanese ones; runs only when VRQ_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "dialogs/clock_source.h"
#include "dialogs/page_setting_dialogs.h"
#include "dialogs/ui_text.h"
#include "model/reset_settings.h"
#include "shell/main_window.h"
#include "variants/variant.h"

namespace vrq {
namespace {

void shoot(QWidget& w, const char* file) {
    w.show();
    QTest::qWait(300);
    EXPECT_TRUE(w.grab().save(QDir(qEnvironmentVariable("VRQ_SCREENSHOT_DIR")).filePath(file)));
    w.hide();
}

TEST(Screenshots, BothProgramsInEnglish) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    installUiLanguage(UiLanguage::English);
    ClockSource clock;
    for (Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        MainWindow w(*c, variantFor(p), clock);
        w.setDocumentName("/home/operator/titles.dat");
        shoot(w, p == Product::Single ? "main_window_vrq700s_en.png" : "main_window_vrq700_en.png");
    }
    auto c = makeConsole(Product::Multi);
    c->settings.scheduleMinute[0][7] = 30;
    c->settings.schedulePage[0][7] = 11;
    {
        ScheduleDialog d(*c, nullptr);
        shoot(d, "schedule_dialog_en.png");
    }
    installUiLanguage(UiLanguage::Japanese);
}

}  // namespace
}  // namespace vrq
