#include "protocol/reply_dispatch.h"

#include <algorithm>
#include <vector>

#include "protocol/notifier.h"
#include "protocol/reply_rows.h"

namespace vrq {

namespace {

enum class Kind {
    Go, Menu, GlyphL, GlyphM, GlyphS, Version, ModeDifference, E0, E1, E2, E3,
    Store,  // a read-back row with its store function
};

enum class Match {
    Exact,       // the whole line, CR LF included
    Prefix,      // the key's characters
    ExactSerial, // exact on serial, the first two characters on TCP/IP
};

struct Row {
    std::string_view key;
    Match match;
    Kind kind;
    rows::Store store = nullptr;
};

// The multi-line program's table; first match wins, so "CABC" precedes "CA".
std::vector<Row> multiTable() {
    return {
        {"GO", Match::ExactSerial, Kind::Go},
        {"MENU", Match::Exact, Kind::Menu},
        {"FBML", Match::Prefix, Kind::GlyphL},
        {"FBMM", Match::Prefix, Kind::GlyphM},
        {"FBMS", Match::Prefix, Kind::GlyphS},
        {"ACA", Match::Prefix, Kind::Store, rows::connectorAssign},
        {"ADO", Match::Prefix, Kind::Store, rows::alarmDisplay},
        {"ADT", Match::Prefix, Kind::Store, rows::alarmHoldTime},
        {"AM", Match::Prefix, Kind::Store, rows::alarmMode},
        {"AP", Match::Prefix, Kind::Store, rows::alarmPolarity},
        {"ARO", Match::Prefix, Kind::Store, rows::alarmReturn},
        {"CABC", Match::Prefix, Kind::Store, rows::lineColoursPage},
        {"CA", Match::Prefix, Kind::Store, rows::titlePage},
        {"CBS", Match::Prefix, Kind::Store, rows::lineBlinkPage},
        {"CFS", Match::Prefix, Kind::Store, rows::lineCharSizePage},
        {"CFZ", Match::Prefix, Kind::Store, rows::zoomFont},
        {"CI", Match::Prefix, Kind::Store, rows::connectorInput},
        {"CL", Match::Prefix, Kind::Store, rows::charLevels},
        {"FB", Match::Prefix, Kind::Store, rows::lineFillPage},
        {"IDLS", Match::Prefix, Kind::Store, rows::lineSpacingPage},
        {"PAST", Match::Prefix, Kind::Store, rows::autoSwitchAll},
        {"POSP", Match::Prefix, Kind::Store, rows::powerOnPage},
        {"RCA", Match::Prefix, Kind::Store, rows::connectorAssign},
        {"RM", Match::Prefix, Kind::Store, rows::remoteMode},
        {"SD", Match::Prefix, Kind::Store, rows::scheduleDay},
        {"TSDO", Match::Prefix, Kind::Store, rows::clockDisplayOn},
        {"TSDR", Match::Prefix, Kind::Store, rows::clockDisplayRange},
        {"VLBC", Match::Prefix, Kind::Store, rows::videoLossBackColour},
        {"VN", Match::Prefix, Kind::Version},
        {"EAA", Match::Prefix, Kind::Store, rows::netActiveAddress},
        {"EGA", Match::Prefix, Kind::Store, rows::netGatewayAddress},
        {"EIA", Match::Prefix, Kind::Store, rows::netIpAddress},
        {"EMA", Match::Prefix, Kind::Store, rows::netMacAddress},
        {"ESM", Match::Prefix, Kind::Store, rows::netSubnetClass},
        {"EPN", Match::Prefix, Kind::Store, rows::netPortNumber},
        {"ECT", Match::Prefix, Kind::Store, rows::netConnectionTry},
        {"EKA", Match::Prefix, Kind::Store, rows::netKeepAlive},
        {"ETR", Match::Prefix, Kind::Store, rows::netTimeRegister},
        {"GN", Match::ExactSerial, Kind::ModeDifference},
        {"E0", Match::ExactSerial, Kind::E0},
        {"E1", Match::ExactSerial, Kind::E1},
        {"E2", Match::ExactSerial, Kind::E2},
        {"E3", Match::ExactSerial, Kind::E3},
    };
}

// The single-line program: per-page lists for all pages, its own IDO, IDP,
// ISS rows after IDLS, and PAS in place of PAST.
std::vector<Row> singleTable() {
    std::vector<Row> t = multiTable();
    auto replace = [&](std::string_view key, Row row) {
        auto it = std::find_if(t.begin(), t.end(), [&](const Row& r) { return r.key == key; });
        *it = row;
        return it;
    };
    replace("CABC", {"CABC", Match::Prefix, Kind::Store, rows::lineColoursAll});
    replace("CA", {"CA", Match::Prefix, Kind::Store, rows::singleTitlePage});
    replace("CBS", {"CBS", Match::Prefix, Kind::Store, rows::lineBlinkAll});
    replace("CFS", {"CFS", Match::Prefix, Kind::Store, rows::lineCharSizeAll});
    replace("FB", {"FB", Match::Prefix, Kind::Store, rows::lineFillAll});
    replace("PAST", {"PAS", Match::Prefix, Kind::Store, rows::autoSwitchLetters});
    auto idls = std::find_if(t.begin(), t.end(), [](const Row& r) { return r.key == "IDLS"; });
    t.insert(idls + 1, {{"IDO", Match::Prefix, Kind::Store, rows::positionOffsetAll},
                        {"IDP", Match::Prefix, Kind::Store, rows::displayPositionAll},
                        {"ISS", Match::Prefix, Kind::Store, rows::scrollSpeedAll}});
    return t;
}

const std::vector<Row>& tableFor(Product p) {
    static const std::vector<Row> multi = multiTable();
    static const std::vector<Row> single = singleTable();
    return p == Product::Single ? single : multi;
}

bool matches(const Row& row, std::string_view line, ReplyChannel channel) {
    Match m = row.match;
    if (m == Match::ExactSerial) m = channel == ReplyChannel::Serial ? Match::Exact : Match::Prefix;
    if (m == Match::Prefix) return line.substr(0, row.key.size()) == row.key;
    return line.size() == row.key.size() + 2 && line.substr(0, row.key.size()) == row.key &&
           line.substr(row.key.size()) == "\r\n";
}

std::string_view withoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

void error(Console& c, const Text& text) {
    if (c.notifier) showError(*c.notifier, text);
}

void success(Console& c, const Text& text) {
    if (c.notifier) showSuccess(*c.notifier, text);
}

// A glyph pattern of `digits` characters from the ninth character on. A
// pattern cut short or with anything but hex digits is a damaged answer: the
// editor keeps what it showed, and the operator who asked is told.
bool storeGlyph(Console& c, std::string_view body, std::size_t digits, char size) {
    constexpr std::size_t kPatternAt = 8;
    if (body.size() < kPatternAt + digits || !c.glyph.pattern.assign(body.substr(kPatternAt, digits))) {
        if (c.reply.glyphReplyPending) error(c, kGlyphAnswerDamagedText);
        return false;
    }
    c.reply.glyphReplyPending = false;
    if (c.glyphStored) c.glyphStored(size);
    return true;
}

void deviceError(Console& c, const Text& text) {
    c.reply.replyError = true;
    error(c, text);
}

std::vector<Row>::const_iterator rowFor(Product p, std::string_view line, ReplyChannel channel) {
    const std::vector<Row>& table = tableFor(p);
    return std::find_if(table.begin(), table.end(), [&](const Row& r) { return matches(r, line, channel); });
}

}  // namespace

ReplyRow replyRowOf(Product p, std::string_view line, ReplyChannel channel) {
    const auto row = rowFor(p, line, channel);
    if (row == tableFor(p).end()) return {};
    switch (row->kind) {
    case Kind::Go: return {ReplyRowKind::Acknowledgement, row->key};
    case Kind::Menu:
    case Kind::ModeDifference:
    case Kind::E0:
    case Kind::E1:
    case Kind::E2:
    case Kind::E3: return {ReplyRowKind::Refusal, row->key};
    default: return {ReplyRowKind::ReadBack, row->key};
    }
}

ReplyOutcome dispatchReply(Console& c, std::string_view line, ReplyChannel channel) {
    const bool tcp = channel == ReplyChannel::Tcp;
    const auto row = rowFor(c.product, line, channel);
    if (row == tableFor(c.product).end()) return ReplyOutcome::Unknown;
    const std::string_view body = withoutLineEnd(line);
    bool stored = true;
    switch (row->kind) {
    case Kind::Go:
        if (!c.reply.runActive) {
            if (tcp) success(c, VRQ_TEXT("Replies", "Socket ＯＫ"));
            else c.reply.successPending = true;
        }
        break;
    case Kind::Menu:
        deviceError(c, VRQ_TEXT("Replies", "Menu Display"));
        break;
    case Kind::GlyphL: stored = storeGlyph(c, body, 576, 'L'); break;
    case Kind::GlyphM: stored = storeGlyph(c, body, 256, 'M'); break;
    case Kind::GlyphS: stored = storeGlyph(c, body, 144, 'S'); break;
    case Kind::Version:
        stored = rows::deviceVersion(c, body);
        // The serial read-all ends with this answer; its notice closes the run.
        if (stored && !tcp) c.reply.successPending = true;
        break;
    case Kind::ModeDifference:
        if (!c.reply.runActive) {
            if (tcp) success(c, VRQ_TEXT("Replies", "Socket mode difference"));
            else error(c, VRQ_TEXT("Replies", "Mode Difference"));
        }
        break;
    case Kind::E0: deviceError(c, tcp ? VRQ_TEXT("Replies", "Socket Framing") : VRQ_TEXT("Replies", "Framing Error")); break;
    case Kind::E1: deviceError(c, VRQ_TEXT("Replies", "Parity Error")); break;
    case Kind::E2: deviceError(c, tcp ? VRQ_TEXT("Replies", "Socket Over run") : VRQ_TEXT("Replies", "Over Run Error")); break;
    case Kind::E3: deviceError(c, tcp ? VRQ_TEXT("Replies", "Socket Command") : VRQ_TEXT("Replies", "Command Error")); break;
    case Kind::Store: stored = row->store(c, body); break;
    }
    return stored ? ReplyOutcome::Handled : ReplyOutcome::Malformed;
}

}  // namespace vrq
