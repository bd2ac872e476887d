#include "model/reset_settings.h"

#include "model/settings_file.h"
#include "model/text_cell.h"

namespace vrq {

std::unique_ptr<Console> makeConsole(Product p) {
    auto c = std::make_unique<Console>(p);
    resetSettings(*c);
    return c;
}

void resetSettings(Console& c) {
    SettingsModel& s = c.settings;
    DialogValues& d = c.dialog;
    const bool single = c.single();

    // 1. Transient protocol and dialog state.
    c.reply.replyExpected = false;
    c.reply.noReplyTicks = 0;
    c.reply.successPending = false;
    c.reply.replyError = false;
    c.reply.glyphReplyPending = false;
    c.reply.runActive = false;
    c.reply.runStep = 0;
    c.reply.tcpLineState = TcpLineState::Idle;
    d.previewPending = false;
    c.app.currentPage = 0;
    c.app.currentLine = 0;
    c.app.documentModified = false;
    s.clockDisplayOn = 0;
    s.clockDisplayRange = 0;
    s.clockDisplaySize = 0;

    // 2. Titles.
    for (auto& page : s.titleText)
        for (auto& cell : page) cell.fill('\0');
    for (auto& cell : s.singleTitleText) cell.fill('\0');

    // 3. Per-line tables.
    for (int p = 0; p < kPages; ++p) {
        for (int l = 0; l < kLines; ++l) {
            s.lineCharSize[p][l] = 1;
            s.lineSpacing[p][l] = 0;
            s.lineBlink[p][l] = 0;
            s.lineCharColour[p][l] = 7;
            s.lineEdgeColour[p][l] = 0;
            s.lineFill[p][l] = 0;
        }
    }

    // 4. Per-page tables and the all-pages choices that New puts back.
    const int autoSwitch = single ? 1 : 3;
    for (int p = 0; p < kPages; ++p) {
        s.pageAutoSwitch[p] = autoSwitch;
        s.pageCharWhiteLevel[p] = 2;
        s.pageCharBlackLevel[p] = 2;
        s.pageDisplayPosition[p] = 1;
        s.pageScrollSpeed[p] = 2;
        s.pagePositionOffset[p] = 0;
    }
    d.allPagesAutoSwitch = autoSwitch;
    d.allPagesCharColour = 7;
    d.allPagesEdgeColour = 0;
    d.allPagesFill = 0;
    d.allCharWhiteLevel = 2;
    d.allCharBlackLevel = 2;
    d.allPagesDisplayPosition = 1;
    d.allPagesScrollSpeed = 2;

    // 5. Schedule.
    for (int day = 0; day < kDays; ++day) {
        for (int e = 0; e < kScheduleEntries; ++e) {
            s.scheduleHour[day][e] = e;
            s.scheduleMinute[day][e] = 0;
            s.schedulePage[day][e] = kScheduleNone;
        }
    }

    // 6. Glyph choices and device-wide values.
    d.selectedGlyph = 0;
    d.insertPosition = 0;
    s.alarmMode = 0;
    s.alarmPolarity = 0;
    s.alarmReturn = 1;
    s.alarmDisplay = 1;
    setCell(s.alarmHoldTime, "010");
    for (int n = 0; n < kConnectors; ++n) s.connectorAssign[n] = n;
    s.remoteMode = 0;
    s.connectorInput = 0;
    s.powerOnPage = 0;
    s.videoLossBackColour = 0;
    s.zoomFont = 0;
    s.displayOffsetH = 7;
    s.displayOffsetV = 7;

    // 7. Glyph pattern buffer.
    c.glyph.pattern.clear();

    // 8. Device network values.
    s.netSubnetClass = 2;
    setCell(s.netPortNumber, "09004");
    s.netIpAddress = {0, 0, 0, 0};
    s.netGatewayAddress = {0, 0, 0, 0};
    s.netActiveAddress = {0, 0, 0, 0};
    setCell(s.netMacAddress, "00-00-00-00-00-00");
    setCell(s.deviceVersion, "0.00");
    s.netConnectionTry = 0;
    s.netKeepAlive = 0;
    s.netTimeRegister = 5;

    // 9. TCP line buffer.
    c.reply.tcpLine.clear();

    // The defaults are the clean document until something changes them.
    markDocumentClean(c);
}

}  // namespace vrq
