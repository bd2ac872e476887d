#include "model/document_diff.h"

#include "model/text_cell.h"

namespace vrq {

namespace {

std::string pageValue(int page) {
    if (page == kSchedulePas) return "PAS";
    if (page == kScheduleNone) return "none";
    return std::to_string(page + 1);
}

Difference at(int page, int day = 0, int entry = 0, int connector = 0) {
    Difference d;
    d.page = page;
    d.day = day;
    d.entry = entry;
    d.connector = connector;
    return d;
}

class Comparer {
public:
    Comparer(std::size_t limit, bool single) : limit_(limit), single_(single) {}

    void number(Difference at, const char* field, int a, int b, std::string (*show)(int) = nullptr) {
        if (a == b) return;
        at.field = field;
        at.a = show ? show(a) : std::to_string(a);
        at.b = show ? show(b) : std::to_string(b);
        add(std::move(at));
    }
    template <std::size_t N>
    void text(Difference at, const char* field, const TextCell<N>& a, const TextCell<N>& b) {
        if (cellText(a) == cellText(b)) return;
        at.field = field;
        at.a = cellText(a);
        at.b = cellText(b);
        at.text = true;
        add(std::move(at));
    }
    void perLine(const char* field, const PageLineInt& a, const PageLineInt& b) {
        for (int p = 0; p < kPages; ++p)
            for (int l = 0; l < (single_ ? 1 : kLines); ++l)
                number(where(p, l), field, a[p][l], b[p][l]);
    }
    void perPage(const char* field, const PageInt& a, const PageInt& b) {
        for (int p = 0; p < kPages; ++p) number(at(p + 1), field, a[p], b[p]);
    }
    Difference where(int page, int line) const {
        Difference d;
        d.page = page + 1;
        if (!single_) d.line = line + 1;
        return d;
    }

    DocumentDiff result;

private:
    void add(Difference d) {
        ++result.total;
        if (result.items.size() < limit_) result.items.push_back(std::move(d));
    }
    std::size_t limit_;
    bool single_;
};

}  // namespace

std::string Difference::place() const {
    std::string s;
    auto part = [&s](const char* name, int n) {
        if (n <= 0) return;
        if (!s.empty()) s += ' ';
        s += name;
        s += ' ';
        s += std::to_string(n);
    };
    part("page", page);
    part("line", line);
    part("day", day);
    part("entry", entry);
    part("connector", connector);
    return s;
}

// The same records as the document, in its order.
DocumentDiff compareDocuments(const SettingsModel& a, const SettingsModel& b, Product p, std::size_t limit) {
    const bool single = p == Product::Single;
    Comparer c(limit, single);
    c.number({}, "clock display", a.clockDisplayOn, b.clockDisplayOn);
    c.number({}, "clock display range", a.clockDisplayRange, b.clockDisplayRange);
    c.number({}, "clock display size", a.clockDisplaySize, b.clockDisplaySize);
    for (int pg = 0; pg < kPages; ++pg) {
        if (single) {
            c.text(c.where(pg, 0), "title", a.singleTitleText[pg], b.singleTitleText[pg]);
            continue;
        }
        for (int l = 0; l < kLines; ++l) c.text(c.where(pg, l), "title", a.titleText[pg][l], b.titleText[pg][l]);
    }
    c.perLine("character size", a.lineCharSize, b.lineCharSize);
    if (single)
        c.perPage("position offset", a.pagePositionOffset, b.pagePositionOffset);
    else
        c.perLine("line spacing", a.lineSpacing, b.lineSpacing);
    c.perLine("blink", a.lineBlink, b.lineBlink);
    c.perPage(single ? "live" : "auto switch", a.pageAutoSwitch, b.pageAutoSwitch);
    c.perLine("character colour", a.lineCharColour, b.lineCharColour);
    c.perLine("edge colour", a.lineEdgeColour, b.lineEdgeColour);
    c.perLine("fill", a.lineFill, b.lineFill);
    c.perPage("character white level", a.pageCharWhiteLevel, b.pageCharWhiteLevel);
    c.perPage("character black level", a.pageCharBlackLevel, b.pageCharBlackLevel);
    c.perPage("display position", a.pageDisplayPosition, b.pageDisplayPosition);
    for (int d = 0; d < kDays; ++d) {
        for (int e = 0; e < kScheduleEntries; ++e) {
            const Difference when = at(0, d + 1, e + 1);
            c.number(when, "schedule hour", a.scheduleHour[d][e], b.scheduleHour[d][e]);
            c.number(when, "schedule minute", a.scheduleMinute[d][e], b.scheduleMinute[d][e]);
            c.number(when, "schedule page", a.schedulePage[d][e], b.schedulePage[d][e], pageValue);
        }
    }
    c.number({}, "alarm mode", a.alarmMode, b.alarmMode);
    c.number({}, "alarm polarity", a.alarmPolarity, b.alarmPolarity);
    c.number({}, "alarm return", a.alarmReturn, b.alarmReturn);
    c.number({}, "alarm display", a.alarmDisplay, b.alarmDisplay);
    c.text({}, "alarm hold time", a.alarmHoldTime, b.alarmHoldTime);
    for (int n = 0; n < kConnectors; ++n)
        c.number(at(0, 0, 0, n + 1), "connector page", a.connectorAssign[n], b.connectorAssign[n],
                 pageValue);
    c.number({}, "remote mode", a.remoteMode, b.remoteMode);
    c.number({}, "connector input", a.connectorInput, b.connectorInput);
    c.number({}, "power-on page", a.powerOnPage, b.powerOnPage, pageValue);
    c.number({}, "video loss background colour", a.videoLossBackColour, b.videoLossBackColour);
    c.number({}, "display offset H", a.displayOffsetH, b.displayOffsetH);
    c.number({}, "display offset V", a.displayOffsetV, b.displayOffsetV);
    c.number({}, "subnet class", a.netSubnetClass, b.netSubnetClass);
    c.number({}, "connection try", a.netConnectionTry, b.netConnectionTry);
    c.number({}, "keep alive", a.netKeepAlive, b.netKeepAlive);
    c.number({}, "time register", a.netTimeRegister, b.netTimeRegister);
    return std::move(c.result);
}

}  // namespace vrq
