#include "variants/variant.h"

#include "variants/commands.h"

namespace vrq {

namespace {

MenuEntry item(const char* label, int command) { return {label, command, {}}; }
MenuEntry separator() { return {}; }
MenuEntry submenu(const char* label, std::vector<MenuEntry> children) { return {label, 0, std::move(children)}; }

MenuEntry fileMenu() {
    return submenu("ﾌｧｲﾙ", {item("新規作成", cmd::kNew), item("開く", cmd::kOpen), item("上書き保存", cmd::kSave),
                           item("名前を付けて保存", cmd::kSaveAs), separator(),
                           item("タイトルの書き出し（CSV）…", cmd::kExportTitlesCsv),
                           item("タイトルの読み込み（CSV）…", cmd::kImportTitlesCsv), separator(),
                           item("ｱﾌﾟﾘｹｰｼｮﾝの終了", cmd::kExit)});
}

std::vector<MenuEntry> settingsTail() {
    return {separator(),
            submenu("外字登録", {item("外字登録小文字", cmd::kGlyphSmall), item("外字登録中文字", cmd::kGlyphMedium),
                                 item("外字登録大文字", cmd::kGlyphLarge)}),
            item("外字挿入", cmd::kGlyphInsert),
            separator(),
            item("全項目の設定", cmd::kSendAll),
            item("変更分の送信", cmd::kSendChanges),
            item("機器のスレーブアドレス", cmd::kSlaveAddress),
            submenu("メンテナンス", {item("設定項目の読み込み", cmd::kReadAll)})};
}

std::vector<MenuEntry> otherMenus(const char* versionItem) {
    return {submenu("インターフェイス",
                    {item("インターフェイスの設定", cmd::kInterface), item("RS-232C/485の設定", cmd::kSerialSettings),
                     item("クライアント/サーバー", cmd::kClientServer), item("TCP/IPの設定", cmd::kTcpSettings)}),
            submenu("プロトコル", {item("プロトコルの設定", cmd::kProtocol)}),
            submenu("情報", {item(versionItem, cmd::kVersion), item("通信モニタ", cmd::kTrafficMonitor)})};
}

Variant makeMulti() {
    Variant v{Product::Multi, "VRQ-700", "VRQ-700 Client Program", "VRQ-700 Server Program", 607, 104, 36, 20,
              {}, {}, "VRQ700のﾊﾞｰｼﾞｮﾝ情報", "VRQ700 Version 1.00"};
    std::vector<MenuEntry> settings = {
        item("日付，時刻", cmd::kDateTime),   item("タイトル", cmd::kTitle),
        item("文字サイズ", cmd::kCharSize),   item("表示行間", cmd::kLineSpacing),
        item("表示点滅", cmd::kBlink),        item("自動切換え", cmd::kAutoSwitch),
        item("文字＆縁取り色", cmd::kColour), item("背景色ベタ塗り", cmd::kFill),
        item("文字レベル", cmd::kCharLevel),  item("スケジュール", cmd::kSchedule),
        item("アラーム", cmd::kAlarm),        item("リモート", cmd::kRemote),
        item("その他", cmd::kOther),          item("表示ページ", cmd::kDisplayPage)};
    for (auto& e : settingsTail()) settings.push_back(e);
    v.menuBar = {fileMenu(), submenu("設定", settings)};
    for (auto& m : otherMenus("VRQ700 のﾊﾞｰｼﾞｮﾝ情報.")) v.menuBar.push_back(m);
    v.toolbar = {
        {501, cmd::kDateTime, "日付，時刻の設定", "時"},       {502, cmd::kTitle, "タイトルの設定", "T"},
        {503, cmd::kCharSize, "文字サイズの設定", "Aa"},       {504, cmd::kLineSpacing, "表示行間の設定", "≡"},
        {505, cmd::kBlink, "表示点滅の設定", "✦"},            {506, cmd::kAutoSwitch, "自動切換えの設定", "⟳"},
        {507, cmd::kColour, "文字＆縁取り色の設定", "色"},     {508, cmd::kFill, "背景色ベタ塗りの設定", "■"},
        {509, cmd::kCharLevel, "文字レベルの設定", "Lv"},      {510, cmd::kSchedule, "スケジュールの設定", "予"},
        {511, cmd::kAlarm, "アラームの設定", "!"},             {512, cmd::kRemote, "リモートの設定", "R"},
        {513, cmd::kOther, "その他の設定", "…"},              {514, cmd::kDisplayPage, "表示ページの設定", "P"}};
    return v;
}

Variant makeSingle() {
    Variant v{Product::Single, "VRQ-700S", "VRQ-700S Client Program", "VRQ-700S Server Program", 616, 104, 31, 20,
              {}, {}, "VRQ700Sのﾊﾞｰｼﾞｮﾝ情報", "VRQ700S Version 1.00"};
    std::vector<MenuEntry> settings = {
        item("日付，時刻", cmd::kDateTime),      item("タイトル", cmd::kTitle),
        item("文字サイズ", cmd::kCharSize),      item("表示位置", cmd::kDisplayPosition),
        item("表示オフセット", cmd::kDisplayOffset), item("スクロール速度", cmd::kScrollSpeed),
        item("点滅", cmd::kBlink),               item("自動切換え", cmd::kAutoSwitch),
        item("文字＆縁取り色", cmd::kColour),    item("背景色ベタ塗り", cmd::kFill),
        item("文字レベル", cmd::kCharLevel),     item("スケジュール", cmd::kSchedule),
        item("アラーム", cmd::kAlarm),           item("リモート", cmd::kRemote),
        item("その他", cmd::kOther),             item("表示ページ", cmd::kDisplayPage)};
    for (auto& e : settingsTail()) settings.push_back(e);
    v.menuBar = {fileMenu(), submenu("設定", settings)};
    for (auto& m : otherMenus("VRQ700S のﾊﾞｰｼﾞｮﾝ情報.")) v.menuBar.push_back(m);
    v.toolbar = {
        {501, cmd::kDateTime, "日付，時刻の設定", "時"},        {502, cmd::kTitle, "タイトルの設定", "T"},
        {503, cmd::kCharSize, "文字サイズの設定", "Aa"},        {504, cmd::kDisplayPosition, "表示位置の設定", "⇕"},
        {505, cmd::kDisplayOffset, "表示オフセットの設定", "±"}, {506, cmd::kScrollSpeed, "表示速度の設定", "»"},
        {507, cmd::kBlink, "文字点滅の設定", "✦"},             {508, cmd::kAutoSwitch, "自動切換えの設定", "⟳"},
        {509, cmd::kColour, "文字色の設定", "色"},              {510, cmd::kFill, "背景色ベタ塗りの設定", "■"},
        {511, cmd::kCharLevel, "文字レベルの設定", "Lv"},       {512, cmd::kSchedule, "スケジュールの設定", "予"},
        {513, cmd::kAlarm, "アラームの設定", "!"},              {514, cmd::kRemote, "リモートの設定", "R"},
        {515, cmd::kOther, "その他の設定", "…"},               {516, cmd::kDisplayPage, "表示ページの設定", "P"}};
    return v;
}

void collect(const std::vector<MenuEntry>& entries, std::vector<int>& out) {
    for (const MenuEntry& e : entries) {
        if (e.command) out.push_back(e.command);
        collect(e.children, out);
    }
}

}  // namespace

const Variant& variantFor(Product p) {
    static const Variant multi = makeMulti();
    static const Variant single = makeSingle();
    return p == Product::Single ? single : multi;
}

int commandForId(const Variant& v, int id) {
    const int index = id - cmd::kFirstToolButton;
    if (index >= 0 && index < static_cast<int>(v.toolbar.size())) return v.toolbar[static_cast<std::size_t>(index)].command;
    const std::vector<int> all = menuCommands(v);
    for (int c : all)
        if (c == id) return id;
    return 0;
}

std::string tooltipFor(const Variant& v, int id) {
    const int index = id - 500 - 1;
    if (index < 0 || index >= static_cast<int>(v.toolbar.size())) return {};
    return v.toolbar[static_cast<std::size_t>(index)].tooltip;
}

std::vector<int> menuCommands(const Variant& v) {
    std::vector<int> out;
    collect(v.menuBar, out);
    return out;
}

}  // namespace vrq
