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
    const char* japanese;
    const char* english;
};

constexpr Setting kSettings[] = {
    {"CA", "タイトル", "titles"},
    {"CABC", "文字色と縁取り色", "character and edge colours"},
    {"CBS", "ブリンク", "blink"},
    {"CFS", "文字サイズ", "character size"},
    {"FB", "背景塗りつぶし", "background fill"},
    {"IDLS", "表示行間", "line spacing"},
    {"SD", "スケジュール", "schedule"},
    {"ACA", "アラームのコネクター番号割り付け", "alarm connector assignment"},
    {"AD", "アラーム表示", "alarm display"},
    {"ADO", "アラーム表示", "alarm display"},
    {"ADT", "アラーム保持時間", "alarm hold time"},
    {"AM", "アラームモード", "alarm mode"},
    {"AP", "アラーム極性", "alarm polarity"},
    {"AR", "アラーム復帰", "alarm return"},
    {"ARO", "アラーム復帰", "alarm return"},
    {"CFZ", "拡大フォント", "zoom font"},
    {"CI", "コネクター入力", "connector input"},
    {"CL", "文字レベル", "character levels"},
    {"PAST", "自動ページ切替", "automatic page switching"},
    {"PAS", "自動ページ切替", "automatic page switching"},
    {"POSP", "電源投入時のページ", "power-on page"},
    {"RCA", "リモートのコネクター番号割り付け", "remote connector assignment"},
    {"RM", "リモートモード", "remote mode"},
    {"TSD", "時計表示", "clock display"},
    {"TSDO", "時計表示", "clock display"},
    {"TSDR", "時計表示範囲", "clock display range"},
    {"VLBC", "映像断時の背景色", "background on video loss"},
    {"VN", "バージョン", "version"},
    {"DM", "表示モード", "display mode"},
    {"IDO", "表示オフセット", "display offset"},
    {"IDP", "表示位置", "display position"},
    {"ISS", "スクロール速度", "scroll speed"},
};

StepName settingName(std::string_view mnemonic) {
    for (const Setting& s : kSettings)
        if (s.mnemonic == mnemonic) return {s.japanese, s.english};
    return {std::string(mnemonic), std::string(mnemonic)};
}

StepName pageName(std::string_view mnemonic, int page) {
    const StepName n = settingName(mnemonic);
    return {pageStepName(page).japanese + " " + n.japanese, n.english + " of page " + std::to_string(page)};
}

StepName dayName(int day) {
    return {"スケジュール " + std::to_string(day) + "日", "schedule of day " + std::to_string(day)};
}

constexpr std::string_view kMultiPageKinds[] = {"CA", "CABC", "CBS", "CFS", "FB", "IDLS"};

// The device-wide steps of send-all, as deviceTail sends them.
std::string_view tailMnemonic(Product p, int i) {
    static constexpr std::string_view kTail[] = {"ACA", "ADO", "ADT", "AM",  "AP",   "ARO", "CI",   "CFZ",
                                                 "CL",  "PAST", "POSP", "RCA", "RM", "TSDO", "TSDR", "VLBC"};
    if (i == 9 && p == Product::Single) return "PAS";
    return kTail[std::clamp(i, 0, 15)];
}

}  // namespace

StepName readAllStepName(Product p, int step) {
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

StepName sendAllStepName(Product p, int step) {
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

StepName readAllUnaskedSettings(Product p) {
    // The single-line device answers for its display position; neither
    // answers for the clock size, the display offset or the network.
    if (p == Product::Single)
        return {"時計表示サイズ、表示オフセット、ネットワーク設定",
                "clock display size, display offset, network settings"};
    return {"時計表示サイズ、表示位置、表示オフセット、ネットワーク設定",
            "clock display size, display position, display offset, network settings"};
}

}  // namespace vrq
