#include "protocol/bulk_runs.h"

#include <algorithm>
#include <string_view>

#include "protocol/codecs.h"
#include "protocol/device_commands.h"
#include "protocol/line_commands.h"
#include "protocol/page_commands.h"
#include "protocol/single_page_commands.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

constexpr int kMultiReads = 3120;
constexpr int kSingleReads = 568;
constexpr int kMultiSends = 3119;
constexpr int kSingleSends = 566;

const char* const kMultiDeviceReads[] = {"RACA", "RAD",  "RADT", "RAM", "RAP",  "RAR",   "RCFZ", "RCI", "RCL",
                                         "RPAST", "RPOSP", "RRCA", "RRM", "RTSD", "RTSDR", "RVLBC", "RVN"};
const char* const kSingleDeviceReads[] = {"RACA", "RAD",  "RADT", "RAM",  "RAP",  "RAR",  "RCABC",
                                          "RCBS", "RCFS", "RCFZ", "RCI",  "RCL",  "RFB",  "RIDO",
                                          "RIDP", "RISS", "RPAS", "RPOSP", "RRCA", "RRM", "RTSD",
                                          "RTSDR", "RVLBC", "RDM", "RVN"};

CommandLine numbered(const char* templ, std::size_t pos, int value, int width) {
    CommandLine line(templ);
    if (width == 3)
        line.putDec3(pos, value);
    else
        line.putDec2(pos, value);
    return line;
}

// " 00.00": tens and units of s*100/total, then of s*10000/total.
std::string twoDecimals(int s, int total) {
    std::string t = " 00.00";
    const int whole = s * 100 / total;
    const int hundredths = s * 10000 / total;
    putDecimal2(t.data() + 1, whole % 100);
    putDecimal2(t.data() + 4, hundredths % 100);
    return t;
}

// " 00.0": tens and units of s*100/total, then the units of s*1000/total.
std::string oneDecimal(int s, int total) {
    std::string t = " 00.0";
    putDecimal2(t.data() + 1, (s * 100 / total) % 100);
    t[4] = static_cast<char>('0' + (s * 1000 / total) % 10);
    return t;
}

SendAllStep sent(CommandLine line) { return {std::move(line), SendAllStep::Problem::None}; }

SendAllStep titleStep(const SettingsModel& m, Product p, int page) {
    auto line = titlePageCommand(m, page, p);
    if (!line) return {std::nullopt, SendAllStep::Problem::TitleRefused};
    return sent(std::move(*line));
}

SendAllStep holdTimeStep(const SettingsModel& m) {
    auto line = alarmHoldTimeCommand(m);
    if (!line) return {std::nullopt, SendAllStep::Problem::HoldTimeTooShort};
    return sent(std::move(*line));
}

// The device-wide tail both programs end with, "ACA" to "VLBC"; only the
// automatic switching of all pages has another shape in each.
SendAllStep deviceTail(const SettingsModel& m, Product p, int i) {
    switch (i) {
        case 0: return sent(alarmConnectorCommand(m));
        case 1: return sent(alarmDisplayCommand(m));
        case 2: return holdTimeStep(m);
        case 3: return sent(alarmModeCommand(m));
        case 4: return sent(alarmPolarityCommand(m));
        case 5: return sent(alarmReturnCommand(m));
        case 6: return sent(connectorInputCommand(m));
        case 7: return sent(zoomFontCommand(m));
        case 8: return sent(charLevelAllCommand(m));
        case 9:
            return sent(p == Product::Single ? singleAllPagesCommand(m, SingleSetting::AutoSwitch)
                                             : autoSwitchAllCommand(m));
        case 10: return sent(powerOnPageCommand(m));
        case 11: return sent(remoteConnectorCommand(m));
        case 12: return sent(remoteModeCommand(m));
        case 13: return sent(clockDisplayCommand(m));
        case 14: return sent(clockRangeCommand(m));
        default: return sent(videoLossCommand(m));
    }
}

SendAllStep multiStep(const SettingsModel& m, int step) {
    const int i = step - 1;
    if (i < 512) return titleStep(m, Product::Multi, i);
    if (i < 1024) return sent(colourPageCommand(m, i - 512));
    if (i < 1536) return sent(blinkPageCommand(m, i - 1024));
    if (i < 2048) return sent(charSizePageCommand(m, i - 1536));
    if (i < 2560) return sent(fillPageCommand(m, i - 2048));
    if (i < 3072) return sent(spacingPageCommand(m, i - 2560));
    if (i < 3103) return sent(scheduleDayCommand(m, i - 3072));
    return deviceTail(m, Product::Multi, i - 3103);
}

SendAllStep singleStep(const SettingsModel& m, int step) {
    const int i = step - 1;
    if (i < 512) return titleStep(m, Product::Single, i);
    if (i < 543) return sent(scheduleDayCommand(m, i - 512));
    static const SingleSetting kFirst[] = {SingleSetting::Colour, SingleSetting::Blink,    SingleSetting::CharSize,
                                           SingleSetting::Fill,   SingleSetting::Offset,   SingleSetting::Position,
                                           SingleSetting::ScrollSpeed};
    if (i < 550) return sent(singleAllPagesCommand(m, kFirst[i - 543]));
    return deviceTail(m, Product::Single, i - 550);
}

}  // namespace

namespace {

constexpr int kTitleLine = 1127;    // "CA" + page + 1120 hex digits + CR LF
constexpr int kAllPagePairs = 1030;  // a mnemonic and two digits for each of 512 pages
constexpr int kAllPageLetters = 518; // one letter for each page
constexpr int kScheduleLine = 175;   // a day of 24 entries
constexpr int kShortLine = 24;       // any other command or answer

// A device-wide step of the single-line program, by its mnemonic.
int singleWideBytes(std::string_view m) {
    if (m == "CABC" || m == "CL" || m == "IDO") return kAllPagePairs;
    if (m == "CBS" || m == "CFS" || m == "FB" || m == "IDP" || m == "ISS" || m == "PAS") return kAllPageLetters;
    return kShortLine;
}

}  // namespace

int readAllStepBytes(Product p, int step) {
    const int i = step - 1;
    if (i < 512) return kTitleLine + kShortLine;
    if (p == Product::Single) {
        if (i < 543) return kScheduleLine + kShortLine;
        const std::string_view m = kSingleDeviceReads[std::min(i - 543, 24)];
        return singleWideBytes(m.substr(1)) + kShortLine;
    }
    if (i < 3072) return 2 * kShortLine;
    if (i < 3103) return kScheduleLine + kShortLine;
    const std::string_view m = kMultiDeviceReads[std::min(i - 3103, 16)];
    return (m == "RCL" || m == "RPAST" ? kAllPagePairs : kShortLine) + kShortLine;
}

int sendAllStepBytes(Product p, int step) {
    const int i = step - 1;
    if (i < 512) return kTitleLine + 4;
    if (p == Product::Single) {
        if (i < 543) return kScheduleLine + 4;
        static const char* const kWide[] = {"CABC", "CBS", "CFS", "FB", "IDO", "IDP", "ISS"};
        if (i < 550) return singleWideBytes(kWide[i - 543]) + 4;
        if (i == 558) return kAllPagePairs + 4;    // CL
        if (i == 559) return kAllPageLetters + 4;  // PAS
        return kShortLine + 4;
    }
    if (i < 3072) return kShortLine + 4;
    if (i < 3103) return kScheduleLine + 4;
    return (i == 3111 || i == 3112 ? kAllPagePairs : kShortLine) + 4;  // CL, PAST
}

int readAllStepCount(Product p) { return p == Product::Single ? kSingleReads : kMultiReads; }
int readAllPeriodMs(Product p) { return p == Product::Single ? 400 : 500; }
std::string readAllEndText(Product p) { return p == Product::Single ? "   " : "      "; }

CommandLine readAllRequest(Product p, int step) {
    const int i = step - 1;
    if (p == Product::Single) {
        if (i < 512) return numbered("RCA001", 3, i + 1, 3);
        if (i < 543) return numbered("RSD01", 3, i - 512 + 1, 2);
        return CommandLine(kSingleDeviceReads[i - 543]);
    }
    if (i < 3072) {
        static const char* const kTemplates[] = {"RCA001", "RCABC001", "RCBS001", "RCFS001", "RFB001", "RIDLS001"};
        const char* t = kTemplates[i / 512];
        return numbered(t, std::char_traits<char>::length(t) - 3, i % 512 + 1, 3);
    }
    if (i < 3103) return numbered("RSD01", 3, i - 3072 + 1, 2);
    return CommandLine(kMultiDeviceReads[i - 3103]);
}

std::string readAllPercentText(Product p, int step) {
    return p == Product::Single ? oneDecimal(step, kSingleReads) : twoDecimals(step, kMultiReads + 1);
}

int sendAllStepCount(Product p) { return p == Product::Single ? kSingleSends : kMultiSends; }
int sendAllPeriodMs(Product p) { return p == Product::Single ? 400 : 600; }
std::string sendAllEndText(Product p) { return p == Product::Single ? "   " : "     "; }

std::string sendAllPercentText(Product p, int step) {
    return p == Product::Single ? oneDecimal(step, kSingleSends + 1) : twoDecimals(step, kMultiSends + 1);
}

SendAllStep buildSendAllStep(const SettingsModel& m, Product p, int step) {
    return p == Product::Single ? singleStep(m, step) : multiStep(m, step);
}

namespace {

struct Setting {
    std::string_view mnemonic;
    Text name;
};

constexpr Setting kSettings[] = {
    {"CA", VRQ_TEXT("Runs", "タイトル")},
    {"CABC", VRQ_TEXT("Runs", "文字色と縁取り色")},
    {"CBS", VRQ_TEXT("Runs", "ブリンク")},
    {"CFS", VRQ_TEXT("Runs", "文字サイズ")},
    {"FB", VRQ_TEXT("Runs", "背景塗りつぶし")},
    {"IDLS", VRQ_TEXT("Runs", "表示行間")},
    {"SD", VRQ_TEXT("Runs", "スケジュール")},
    {"ACA", VRQ_TEXT("Runs", "アラームのコネクター番号割り付け")},
    {"AD", VRQ_TEXT("Runs", "アラーム表示")},
    {"ADO", VRQ_TEXT("Runs", "アラーム表示")},
    {"ADT", VRQ_TEXT("Runs", "アラーム保持時間")},
    {"AM", VRQ_TEXT("Runs", "アラームモード")},
    {"AP", VRQ_TEXT("Runs", "アラーム極性")},
    {"AR", VRQ_TEXT("Runs", "アラーム復帰")},
    {"ARO", VRQ_TEXT("Runs", "アラーム復帰")},
    {"CFZ", VRQ_TEXT("Runs", "拡大フォント")},
    {"CI", VRQ_TEXT("Runs", "コネクター入力")},
    {"CL", VRQ_TEXT("Runs", "文字レベル")},
    {"PAST", VRQ_TEXT("Runs", "自動ページ切替")},
    {"PAS", VRQ_TEXT("Runs", "自動ページ切替")},
    {"POSP", VRQ_TEXT("Runs", "電源投入時のページ")},
    {"RCA", VRQ_TEXT("Runs", "リモートのコネクター番号割り付け")},
    {"RM", VRQ_TEXT("Runs", "リモートモード")},
    {"TSD", VRQ_TEXT("Runs", "時計表示")},
    {"TSDO", VRQ_TEXT("Runs", "時計表示")},
    {"TSDR", VRQ_TEXT("Runs", "時計表示範囲")},
    {"VLBC", VRQ_TEXT("Runs", "映像断時の背景色")},
    {"VN", VRQ_TEXT("Runs", "バージョン")},
    {"DM", VRQ_TEXT("Runs", "表示モード")},
    {"IDO", VRQ_TEXT("Runs", "表示オフセット")},
    {"IDP", VRQ_TEXT("Runs", "表示位置")},
    {"ISS", VRQ_TEXT("Runs", "スクロール速度")},
};

Message settingName(std::string_view mnemonic) {
    for (const Setting& s : kSettings)
        if (s.mnemonic == mnemonic) return s.name;
    return Message::plain(mnemonic);
}

Message pageName(std::string_view mnemonic, int page) {
    return Message(VRQ_TEXT("Runs", "ページ %1 %2")).arg(pageDigits(page)).arg(settingName(mnemonic));
}

Message dayName(int day) { return Message(VRQ_TEXT("Runs", "スケジュール %1日")).arg(day); }

constexpr std::string_view kMultiPageKinds[] = {"CA", "CABC", "CBS", "CFS", "FB", "IDLS"};

// The device-wide steps of send-all, as deviceTail sends them.
std::string_view tailMnemonic(Product p, int i) {
    static constexpr std::string_view kTail[] = {"ACA", "ADO", "ADT", "AM",  "AP",   "ARO", "CI",   "CFZ",
                                                 "CL",  "PAST", "POSP", "RCA", "RM", "TSDO", "TSDR", "VLBC"};
    if (i == 9 && p == Product::Single) return "PAS";
    return kTail[std::clamp(i, 0, 15)];
}

}  // namespace

Message readAllStepName(Product p, int step) {
    const int i = step - 1;
    if (p == Product::Single) {
        if (i < 512) return pageName("CA", i + 1);
        if (i < 543) return dayName(i - 512 + 1);
        return settingName(std::string_view(kSingleDeviceReads[std::clamp(i - 543, 0, 24)]).substr(1));
    }
    if (i < 3072) return pageName(kMultiPageKinds[std::max(i, 0) / 512], i % 512 + 1);
    if (i < 3103) return dayName(i - 3072 + 1);
    return settingName(std::string_view(kMultiDeviceReads[std::clamp(i - 3103, 0, 16)]).substr(1));
}

Message sendAllStepName(Product p, int step) {
    const int i = step - 1;
    if (p == Product::Single) {
        if (i < 512) return pageName("CA", i + 1);
        if (i < 543) return dayName(i - 512 + 1);
        static constexpr std::string_view kWide[] = {"CABC", "CBS", "CFS", "FB", "IDO", "IDP", "ISS"};
        if (i < 550) return settingName(kWide[i - 543]);
        return settingName(tailMnemonic(p, i - 550));
    }
    if (i < 3072) return pageName(kMultiPageKinds[std::max(i, 0) / 512], i % 512 + 1);
    if (i < 3103) return dayName(i - 3072 + 1);
    return settingName(tailMnemonic(p, i - 3103));
}

Message readAllUnaskedSettings(Product p) {
    // The single-line device answers for its display position; neither
    // answers for the clock size, the display offset or the network.
    std::vector<Message> names{VRQ_TEXT("Runs", "時計表示サイズ")};
    if (p != Product::Single) names.emplace_back(VRQ_TEXT("Runs", "表示位置"));
    names.emplace_back(VRQ_TEXT("Runs", "表示オフセット"));
    names.emplace_back(VRQ_TEXT("Runs", "ネットワーク設定"));
    return Message::joined(std::move(names), kListSeparator);
}

}  // namespace vrq
