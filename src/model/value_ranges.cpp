#include "model/value_ranges.h"

#include <algorithm>

namespace vrq {

namespace {

class Corrector {
public:
    void fix(int& v, int corrected, ValueKind kind) {
        if (v == corrected) return;
        v = corrected;
        if (std::find(kinds_.begin(), kinds_.end(), kind) == kinds_.end()) kinds_.push_back(kind);
    }
    void range(int& v, ValueRange r, ValueKind kind) { fix(v, r.sent(v), kind); }
    void onOff(int& v, ValueKind kind) { fix(v, sentOnOff(v), kind); }

    std::vector<ValueKind> kinds() {
        std::sort(kinds_.begin(), kinds_.end());
        return kinds_;
    }

private:
    std::vector<ValueKind> kinds_;
};

}  // namespace

std::vector<ValueKind> correctOutOfRange(SettingsModel& m, Product p) {
    Corrector c;
    const bool single = p == Product::Single;
    // The single-line program keeps its per-page values in line 0.
    const int lines = single ? 1 : kLines;
    for (int pg = 0; pg < kPages; ++pg) {
        for (int l = 0; l < lines; ++l) {
            int& size = m.lineCharSize[pg][l];
            c.fix(size, single ? sentSingleCharSize(size) : sentMultiCharSize(size), ValueKind::CharSize);
            if (!single) c.range(m.lineSpacing[pg][l], kSpacingRange, ValueKind::Spacing);
            c.onOff(m.lineBlink[pg][l], ValueKind::Blink);
            c.range(m.lineCharColour[pg][l], kColourRange, ValueKind::Colour);
            c.range(m.lineEdgeColour[pg][l], kColourRange, ValueKind::Colour);
            c.onOff(m.lineFill[pg][l], ValueKind::Fill);
        }
        if (single) {
            c.onOff(m.pageAutoSwitch[pg], ValueKind::AutoSwitch);
            int& position = m.pageDisplayPosition[pg];
            c.fix(position, sentSinglePosition(position), ValueKind::DisplayPosition);
            c.range(m.pageScrollSpeed[pg], kScrollSpeedRange, ValueKind::ScrollSpeed);
            c.range(m.pagePositionOffset[pg], kPositionOffsetRange, ValueKind::PositionOffset);
        } else {
            c.range(m.pageAutoSwitch[pg], kAutoSwitchSecondsRange, ValueKind::AutoSwitch);
        }
        c.range(m.pageCharWhiteLevel[pg], kCharLevelRange, ValueKind::CharLevel);
        c.range(m.pageCharBlackLevel[pg], kCharLevelRange, ValueKind::CharLevel);
    }
    for (int d = 0; d < kDays; ++d) {
        for (int k = 0; k < kScheduleEntries; ++k) {
            c.range(m.scheduleHour[d][k], kHourRange, ValueKind::Schedule);
            c.range(m.scheduleMinute[d][k], kMinuteRange, ValueKind::Schedule);
            int& page = m.schedulePage[d][k];
            c.fix(page, sentSchedulePage(page), ValueKind::Schedule);
        }
    }

    c.onOff(m.clockDisplayOn, ValueKind::Clock);
    c.range(m.clockDisplayRange, kClockRangeRange, ValueKind::Clock);
    c.onOff(m.clockDisplaySize, ValueKind::Clock);
    c.onOff(m.alarmMode, ValueKind::Alarm);
    c.onOff(m.alarmPolarity, ValueKind::Alarm);
    c.onOff(m.alarmDisplay, ValueKind::Alarm);
    c.onOff(m.alarmReturn, ValueKind::Alarm);
    // The connector lists are the alarm's and the remote's alike.
    for (int& page : m.connectorAssign) c.range(page, kConnectorPageRange, ValueKind::Alarm);
    c.fix(m.remoteMode, sentRemoteMode(m.remoteMode), ValueKind::Remote);
    c.onOff(m.connectorInput, ValueKind::Remote);
    c.range(m.powerOnPage, kPowerOnPageRange, ValueKind::Other);
    c.onOff(m.videoLossBackColour, ValueKind::Other);
    c.onOff(m.zoomFont, ValueKind::Other);
    c.range(m.netSubnetClass, kSubnetClassRange, ValueKind::Network);
    c.onOff(m.netConnectionTry, ValueKind::Network);
    c.onOff(m.netKeepAlive, ValueKind::Network);
    c.range(m.netTimeRegister, kTimeRegisterRange, ValueKind::Network);
    return c.kinds();
}

namespace {

Text kindName(ValueKind k) {
    switch (k) {
        case ValueKind::CharSize: return VRQ_TEXT("ValueRanges", "文字サイズ");
        case ValueKind::Spacing: return VRQ_TEXT("ValueRanges", "表示行間");
        case ValueKind::PositionOffset: return VRQ_TEXT("ValueRanges", "表示オフセット");
        case ValueKind::Blink: return VRQ_TEXT("ValueRanges", "点滅");
        case ValueKind::Colour: return VRQ_TEXT("ValueRanges", "文字＆縁取り色");
        case ValueKind::Fill: return VRQ_TEXT("ValueRanges", "背景色ベタ塗り");
        case ValueKind::AutoSwitch: return VRQ_TEXT("ValueRanges", "自動切換え");
        case ValueKind::CharLevel: return VRQ_TEXT("ValueRanges", "文字レベル");
        case ValueKind::DisplayPosition: return VRQ_TEXT("ValueRanges", "表示位置");
        case ValueKind::ScrollSpeed: return VRQ_TEXT("ValueRanges", "スクロール速度");
        case ValueKind::Schedule: return VRQ_TEXT("ValueRanges", "スケジュール");
        case ValueKind::Clock: return VRQ_TEXT("ValueRanges", "日付，時刻");
        case ValueKind::Alarm: return VRQ_TEXT("ValueRanges", "アラーム");
        case ValueKind::Remote: return VRQ_TEXT("ValueRanges", "リモート");
        case ValueKind::Other: return VRQ_TEXT("ValueRanges", "その他");
        case ValueKind::Network: return VRQ_TEXT("ValueRanges", "プロトコル");
    }
    return {};
}

}  // namespace

Message correctedValuesText(const std::vector<ValueKind>& kinds) {
    std::vector<Message> names;
    for (const ValueKind k : kinds) names.emplace_back(kindName(k));
    return Message(VRQ_TEXT("ValueRanges", "ファイルに範囲外の値がありました。送信される値に直して表示します。\n%1"))
        .arg(Message::joined(std::move(names), kListSeparator));
}

}  // namespace vrq
