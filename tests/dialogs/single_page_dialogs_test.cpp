#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "dialogs/single_page_dialogs.h"
#include "model/reset_settings.h"
#include "protocol/notifier.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

class SinglePageDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = makeConsole(Product::Single);
        c->serialTransport = &wire;
        wire.answerTo = c.get();
        c->notifier = &notes;
    }
    void press(SinglePageDialog& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }
    std::unique_ptr<Console> c;
    RecordingTransport wire;
    RecordingNotifier notes;
};

TEST_F(SinglePageDialogTest, EveryAllPagesSendIsOneLine) {
    const char* heads[] = {"PAS", "CBS", "IDO", "IDP", "FB", "CABC", "CFS", "ISS"};
    int i = 0;
    for (SingleSetting s : kSingleSettings) {
        SinglePageDialog d(*c, s);
        press(d, "sendAllButton");
        ASSERT_EQ(wire.lines.size(), static_cast<std::size_t>(i + 1));
        EXPECT_EQ(wire.lines.back().rfind(heads[i], 0), 0u) << heads[i];
        EXPECT_EQ(wire.lines.back().find("\r\n"), wire.lines.back().size() - 2);
        ++i;
    }
    EXPECT_EQ(wire.lines[0], "PAS" + std::string(512, 'L') + "\r\n");
}

TEST_F(SinglePageDialogTest, PreviewShowsTheGroupOfTheCurrentPage) {
    c->app.currentPage = 40;
    SinglePageDialog blink(*c, SingleSetting::Blink);
    QStringList t = blink.previewTexts();
    ASSERT_EQ(t.size(), 32);
    EXPECT_EQ(t.first(), "P033 OFF");
    EXPECT_EQ(t.last(), "P064 OFF");

    SinglePageDialog colour(*c, SingleSetting::Colour);
    t = colour.previewTexts();
    ASSERT_EQ(t.size(), 9);
    EXPECT_EQ(t[0], "文字色　　縁取り色");
    EXPECT_EQ(t[1], "Page 041 白　　　　黒　　　　");
    EXPECT_EQ(t[8], "Page 048 白　　　　黒　　　　");

    SinglePageDialog speed(*c, SingleSetting::ScrollSpeed);
    EXPECT_EQ(speed.previewTexts()[0], "P033 3 ");
}

// As the operator picks an item: selection change, then activation.
static void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST_F(SinglePageDialogTest, RememberingAndFixedAllPagesLists) {
    {
        SinglePageDialog d(*c, SingleSetting::Blink);
        choose(d.allPagesCombo(), 1);
        for (int p = 0; p < kPages; ++p) ASSERT_EQ(c->settings.lineBlink[p][0], 1);
        EXPECT_EQ(d.valueCombo()->currentText(), "ON ");
    }
    {
        SinglePageDialog d(*c, SingleSetting::Blink);
        EXPECT_EQ(d.allPagesCombo()->currentText(), "ON ");  // remembered
    }
    {
        SinglePageDialog d(*c, SingleSetting::Position);
        EXPECT_EQ(d.allPagesCombo()->currentText(), "BOTTOM");
        choose(d.allPagesCombo(), 0);
        for (int p = 0; p < kPages; ++p) ASSERT_EQ(c->settings.pageDisplayPosition[p], 0);
    }
    {
        SinglePageDialog d(*c, SingleSetting::Position);
        EXPECT_EQ(d.allPagesCombo()->currentText(), "BOTTOM");  // whatever was chosen
        choose(d.allPagesCombo(), 1);  // the shown item, chosen again, still applies
        for (int p = 0; p < kPages; ++p) ASSERT_EQ(c->settings.pageDisplayPosition[p], 1);
        EXPECT_EQ(d.valueCombo()->currentText(), "BOTTOM");
    }
    SinglePageDialog size(*c, SingleSetting::CharSize);
    EXPECT_EQ(size.allPagesCombo()->currentText(), "LARGE ");
    SinglePageDialog speed(*c, SingleSetting::ScrollSpeed);
    EXPECT_EQ(speed.allPagesCombo()->currentText(), "3");
    SinglePageDialog offset(*c, SingleSetting::Offset);
    EXPECT_EQ(offset.allPagesCombo()->currentText(), "00");
}

TEST_F(SinglePageDialogTest, PageChoiceAndValueSendTheOnePageCommand) {
    SinglePageDialog d(*c, SingleSetting::Offset);
    d.pageCombo()->setCurrentIndex(511);
    EXPECT_EQ(c->app.currentPage, 511);
    d.valueCombo()->setCurrentIndex(7);
    EXPECT_EQ(c->settings.pagePositionOffset[511], 7);
    press(d, "sendPageButton");
    EXPECT_EQ(wire.lines.at(0), "IDO51207\r\n");
    EXPECT_EQ(d.previewTexts().last(), "P512 07");

    SinglePageDialog colour(*c, SingleSetting::Colour);
    colour.valueCombo(1)->setCurrentIndex(4);  // edging only
    EXPECT_EQ(c->settings.lineEdgeColour[511][0], 4);
    EXPECT_EQ(c->settings.lineCharColour[511][0], 7);
}

TEST_F(SinglePageDialogTest, MultiLineValuesShowByTheirRule) {
    c->settings.pageAutoSwitch[0] = 30;  // even seconds show as SKIP
    c->settings.pageAutoSwitch[1] = 3;
    SinglePageDialog d(*c, SingleSetting::AutoSwitch);
    EXPECT_EQ(d.valueCombo()->currentText(), "SKIP");
    EXPECT_EQ(d.previewTexts()[1], "P002 LIVE ");
    press(d, "sendPageButton");
    EXPECT_EQ(wire.lines.at(0), "PAS001L\r\n");  // sent as LIVE: anything but 0
}

TEST_F(SinglePageDialogTest, CaptionNamesTheChosenPeer) {
    c->app.linkInterface = kLinkTcp;
    c->app.peerIndex = 0;
    c->app.peerAddress[0] = {10, 0, 0, 5};
    c->app.peerListCount = 1;
    SinglePageDialog d(*c, SingleSetting::Blink);
    EXPECT_EQ(d.windowTitle(), "文字点滅の設定 10.0.0.5");
    c->app.peerIndex = -1;
    SinglePageDialog e(*c, SingleSetting::Blink);
    EXPECT_EQ(e.windowTitle(), "点滅表示の設定");
}

}  // namespace
}  // namespace vrq
