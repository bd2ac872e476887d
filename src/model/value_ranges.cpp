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
    void clamp(int& v, int lo, int hi, ValueKind kind) { fix(v, std::clamp(v, lo, hi), kind); }
    void onOff(int& v, ValueKind kind) { fix(v, v != 0 ? 1 : 0, kind); }

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
            // Each program's builder has its own letter for an unknown code.
            if (single) {
                c.fix(size, size == 0 || size == 1 ? size : 2, ValueKind::CharSize);
            } else {
                c.fix(size, size == 1 || size == 2 ? size : 0, ValueKind::CharSize);
            }
            if (!single) c.clamp(m.lineSpacing[pg][l], 0, 63, ValueKind::Spacing);
            c.onOff(m.lineBlink[pg][l], ValueKind::Blink);
            c.clamp(m.lineCharColour[pg][l], 0, 8, ValueKind::Colour);
            c.clamp(m.lineEdgeColour[pg][l], 0, 8, ValueKind::Colour);
            c.onOff(m.lineFill[pg][l], ValueKind::Fill);
        }
        if (single) {
            c.onOff(m.pageAutoSwitch[pg], ValueKind::AutoSwitch);
            c.onOff(m.pageDisplayPosition[pg], ValueKind::DisplayPosition);
            c.clamp(m.pageScrollSpeed[pg], 0, 3, ValueKind::ScrollSpeed);
            c.clamp(m.pagePositionOffset[pg], 0, 15, ValueKind::PositionOffset);
        } else {
            c.clamp(m.pageAutoSwitch[pg], 0, 99, ValueKind::AutoSwitch);
        }
        c.clamp(m.pageCharWhiteLevel[pg], 0, 4, ValueKind::CharLevel);
        c.clamp(m.pageCharBlackLevel[pg], 0, 4, ValueKind::CharLevel);
    }
    for (int d = 0; d < kDays; ++d) {
        for (int k = 0; k < kScheduleEntries; ++k) {
            c.clamp(m.scheduleHour[d][k], 0, 23, ValueKind::Schedule);
            c.clamp(m.scheduleMinute[d][k], 0, 59, ValueKind::Schedule);
            int& page = m.schedulePage[d][k];
            // A page no list offers goes out as "000", as no entry does.
            if (page < 0 || page > kSchedulePas) c.fix(page, kScheduleNone, ValueKind::Schedule);
        }
    }

    c.onOff(m.clockDisplayOn, ValueKind::Clock);
    c.clamp(m.clockDisplayRange, 0, 7, ValueKind::Clock);
    c.onOff(m.clockDisplaySize, ValueKind::Clock);
    c.onOff(m.alarmMode, ValueKind::Alarm);
    c.onOff(m.alarmPolarity, ValueKind::Alarm);
    c.onOff(m.alarmDisplay, ValueKind::Alarm);
    c.onOff(m.alarmReturn, ValueKind::Alarm);
    // The connector lists are the alarm's and the remote's alike.
    for (int& page : m.connectorAssign) c.clamp(page, 0, kPages - 1, ValueKind::Alarm);
    c.fix(m.remoteMode, m.remoteMode == 1 || m.remoteMode == 2 ? m.remoteMode : 0, ValueKind::Remote);
    c.onOff(m.connectorInput, ValueKind::Remote);
    c.clamp(m.powerOnPage, 0, kPowerOnPas, ValueKind::Other);
    c.onOff(m.videoLossBackColour, ValueKind::Other);
    c.onOff(m.zoomFont, ValueKind::Other);
    c.clamp(m.netSubnetClass, 0, 2, ValueKind::Network);
    c.onOff(m.netConnectionTry, ValueKind::Network);
    c.onOff(m.netKeepAlive, ValueKind::Network);
    c.clamp(m.netTimeRegister, 0, 5, ValueKind::Network);
    return c.kinds();
}

std::string correctedValuesText(const std::vector<ValueKind>& kinds) {
    std::string names;
    for (const ValueKind k : kinds) {
        if (!names.empty()) names += "、";
        switch (k) {
            case ValueKind::CharSize: names += "文字サイズ"; break;
            case ValueKind::Spacing: names += "表示行間"; break;
            case ValueKind::PositionOffset: names += "表示オフセット"; break;
            case ValueKind::Blink: names += "点滅"; break;
            case ValueKind::Colour: names += "文字＆縁取り色"; break;
            case ValueKind::Fill: names += "背景色ベタ塗り"; break;
            case ValueKind::AutoSwitch: names += "自動切換え"; break;
            case ValueKind::CharLevel: names += "文字レベル"; break;
            case ValueKind::DisplayPosition: names += "表示位置"; break;
            case ValueKind::ScrollSpeed: names += "スクロール速度"; break;
            case ValueKind::Schedule: names += "スケジュール"; break;
            case ValueKind::Clock: names += "日付，時刻"; break;
            case ValueKind::Alarm: names += "アラーム"; break;
            case ValueKind::Remote: names += "リモート"; break;
            case ValueKind::Other: names += "その他"; break;
            case ValueKind::Network: names += "プロトコル"; break;
        }
    }
    return "ファイルに範囲外の値がありました。送信される値に直して表示します。\n" + names;
}

}  // namespace vrq
