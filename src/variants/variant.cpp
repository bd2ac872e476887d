#include "variants/variant.h"

#include "variants/commands.h"

namespace vrq {

namespace {

MenuEntry item(Text label, int command) { return {label, command, {}}; }
MenuEntry separator() { return {}; }
MenuEntry submenu(Text label, std::vector<MenuEntry> children) { return {label, 0, std::move(children)}; }

// The toolbar's tooltips name the setting as its menu item does.
ToolButton button(int id, int command, Text tooltip) { return {id, command, tooltip}; }

MenuEntry fileMenu() {
    return submenu(VRQ_TEXT("Menu", "ﾌｧｲﾙ"), {item(VRQ_TEXT("Menu", "新規作成"), cmd::kNew),
                                              item(VRQ_TEXT("Menu", "開く"), cmd::kOpen),
                                              item(VRQ_TEXT("Menu", "上書き保存"), cmd::kSave),
                                              item(VRQ_TEXT("Menu", "名前を付けて保存"), cmd::kSaveAs),
                                              separator(),
                                              item(VRQ_TEXT("Menu", "タイトルの書き出し（CSV）…"), cmd::kExportTitlesCsv),
                                              item(VRQ_TEXT("Menu", "タイトルの読み込み（CSV）…"), cmd::kImportTitlesCsv),
                                              separator(),
                                              item(VRQ_TEXT("Menu", "ｱﾌﾟﾘｹｰｼｮﾝの終了"), cmd::kExit)});
}

std::vector<MenuEntry> settingsTail() {
    return {separator(),
            submenu(VRQ_TEXT("Menu", "外字登録"), {item(VRQ_TEXT("Menu", "外字登録小文字"), cmd::kGlyphSmall),
                                                  item(VRQ_TEXT("Menu", "外字登録中文字"), cmd::kGlyphMedium),
                                                  item(VRQ_TEXT("Menu", "外字登録大文字"), cmd::kGlyphLarge)}),
            item(VRQ_TEXT("Menu", "外字挿入"), cmd::kGlyphInsert),
            separator(),
            item(VRQ_TEXT("Menu", "全項目の設定"), cmd::kSendAll),
            item(VRQ_TEXT("Menu", "変更分の送信"), cmd::kSendChanges),
            item(VRQ_TEXT("Menu", "機器のスレーブアドレス"), cmd::kSlaveAddress),
            submenu(VRQ_TEXT("Menu", "メンテナンス"), {item(VRQ_TEXT("Menu", "設定項目の読み込み"), cmd::kReadAll)})};
}

std::vector<MenuEntry> otherMenus(Text versionItem) {
    return {submenu(VRQ_TEXT("Menu", "インターフェイス"),
                    {item(VRQ_TEXT("Menu", "インターフェイスの設定"), cmd::kInterface),
                     item(VRQ_TEXT("Menu", "RS-232C/485の設定"), cmd::kSerialSettings),
                     item(VRQ_TEXT("Menu", "クライアント/サーバー"), cmd::kClientServer),
                     item(VRQ_TEXT("Menu", "TCP/IPの設定"), cmd::kTcpSettings)}),
            submenu(VRQ_TEXT("Menu", "プロトコル"), {item(VRQ_TEXT("Menu", "プロトコルの設定"), cmd::kProtocol)}),
            submenu(VRQ_TEXT("Menu", "情報"),
                    {item(versionItem, cmd::kVersion), item(VRQ_TEXT("Menu", "通信モニタ"), cmd::kTrafficMonitor)})};
}

Variant makeMulti() {
    Variant v{Product::Multi, "VRQ-700", "VRQ-700 Client Program", "VRQ-700 Server Program", 607, 104, 36, 20,
              {}, {}, VRQ_TEXT("Menu", "VRQ700のﾊﾞｰｼﾞｮﾝ情報"), "VRQ700 Version 1.00"};
    std::vector<MenuEntry> settings = {
        item(VRQ_TEXT("Menu", "日付，時刻"), cmd::kDateTime),
        item(VRQ_TEXT("Menu", "タイトル"), cmd::kTitle),
        item(VRQ_TEXT("Menu", "文字サイズ"), cmd::kCharSize),
        item(VRQ_TEXT("Menu", "表示行間"), cmd::kLineSpacing),
        item(VRQ_TEXT("Menu", "表示点滅"), cmd::kBlink),
        item(VRQ_TEXT("Menu", "自動切換え"), cmd::kAutoSwitch),
        item(VRQ_TEXT("Menu", "文字＆縁取り色"), cmd::kColour),
        item(VRQ_TEXT("Menu", "背景色ベタ塗り"), cmd::kFill),
        item(VRQ_TEXT("Menu", "文字レベル"), cmd::kCharLevel),
        item(VRQ_TEXT("Menu", "スケジュール"), cmd::kSchedule),
        item(VRQ_TEXT("Menu", "アラーム"), cmd::kAlarm),
        item(VRQ_TEXT("Menu", "リモート"), cmd::kRemote),
        item(VRQ_TEXT("Menu", "その他"), cmd::kOther),
        item(VRQ_TEXT("Menu", "表示ページ"), cmd::kDisplayPage)};
    for (auto& e : settingsTail()) settings.push_back(e);
    // 設定 is also a button in the dialogs; as the menu it is "Settings".
    v.menuBar = {fileMenu(), submenu(VRQ_TEXT3("Menu", "設定", "menu title"), settings)};
    for (auto& m : otherMenus(VRQ_TEXT("Menu", "VRQ700 のﾊﾞｰｼﾞｮﾝ情報."))) v.menuBar.push_back(m);
    v.toolbar = {
        button(501, cmd::kDateTime, VRQ_TEXT3("Menu", "日付，時刻の設定", "toolbar tooltip")),
        button(502, cmd::kTitle, VRQ_TEXT3("Menu", "タイトルの設定", "toolbar tooltip")),
        button(503, cmd::kCharSize, VRQ_TEXT3("Menu", "文字サイズの設定", "toolbar tooltip")),
        button(504, cmd::kLineSpacing, VRQ_TEXT3("Menu", "表示行間の設定", "toolbar tooltip")),
        button(505, cmd::kBlink, VRQ_TEXT3("Menu", "表示点滅の設定", "toolbar tooltip")),
        button(506, cmd::kAutoSwitch, VRQ_TEXT3("Menu", "自動切換えの設定", "toolbar tooltip")),
        button(507, cmd::kColour, VRQ_TEXT3("Menu", "文字＆縁取り色の設定", "toolbar tooltip")),
        button(508, cmd::kFill, VRQ_TEXT3("Menu", "背景色ベタ塗りの設定", "toolbar tooltip")),
        button(509, cmd::kCharLevel, VRQ_TEXT3("Menu", "文字レベルの設定", "toolbar tooltip")),
        button(510, cmd::kSchedule, VRQ_TEXT3("Menu", "スケジュールの設定", "toolbar tooltip")),
        button(511, cmd::kAlarm, VRQ_TEXT3("Menu", "アラームの設定", "toolbar tooltip")),
        button(512, cmd::kRemote, VRQ_TEXT3("Menu", "リモートの設定", "toolbar tooltip")),
        button(513, cmd::kOther, VRQ_TEXT3("Menu", "その他の設定", "toolbar tooltip")),
        button(514, cmd::kDisplayPage, VRQ_TEXT3("Menu", "表示ページの設定", "toolbar tooltip"))};
    return v;
}

Variant makeSingle() {
    Variant v{Product::Single, "VRQ-700S", "VRQ-700S Client Program", "VRQ-700S Server Program", 616, 104, 31, 20,
              {}, {}, VRQ_TEXT("Menu", "VRQ700Sのﾊﾞｰｼﾞｮﾝ情報"), "VRQ700S Version 1.00"};
    std::vector<MenuEntry> settings = {
        item(VRQ_TEXT("Menu", "日付，時刻"), cmd::kDateTime),
        item(VRQ_TEXT("Menu", "タイトル"), cmd::kTitle),
        item(VRQ_TEXT("Menu", "文字サイズ"), cmd::kCharSize),
        item(VRQ_TEXT("Menu", "表示位置"), cmd::kDisplayPosition),
        item(VRQ_TEXT("Menu", "表示オフセット"), cmd::kDisplayOffset),
        item(VRQ_TEXT("Menu", "スクロール速度"), cmd::kScrollSpeed),
        item(VRQ_TEXT("Menu", "点滅"), cmd::kBlink),
        item(VRQ_TEXT("Menu", "自動切換え"), cmd::kAutoSwitch),
        item(VRQ_TEXT("Menu", "文字＆縁取り色"), cmd::kColour),
        item(VRQ_TEXT("Menu", "背景色ベタ塗り"), cmd::kFill),
        item(VRQ_TEXT("Menu", "文字レベル"), cmd::kCharLevel),
        item(VRQ_TEXT("Menu", "スケジュール"), cmd::kSchedule),
        item(VRQ_TEXT("Menu", "アラーム"), cmd::kAlarm),
        item(VRQ_TEXT("Menu", "リモート"), cmd::kRemote),
        item(VRQ_TEXT("Menu", "その他"), cmd::kOther),
        item(VRQ_TEXT("Menu", "表示ページ"), cmd::kDisplayPage)};
    for (auto& e : settingsTail()) settings.push_back(e);
    // 設定 is also a button in the dialogs; as the menu it is "Settings".
    v.menuBar = {fileMenu(), submenu(VRQ_TEXT3("Menu", "設定", "menu title"), settings)};
    for (auto& m : otherMenus(VRQ_TEXT("Menu", "VRQ700S のﾊﾞｰｼﾞｮﾝ情報."))) v.menuBar.push_back(m);
    v.toolbar = {
        button(501, cmd::kDateTime, VRQ_TEXT3("Menu", "日付，時刻の設定", "toolbar tooltip")),
        button(502, cmd::kTitle, VRQ_TEXT3("Menu", "タイトルの設定", "toolbar tooltip")),
        button(503, cmd::kCharSize, VRQ_TEXT3("Menu", "文字サイズの設定", "toolbar tooltip")),
        button(504, cmd::kDisplayPosition, VRQ_TEXT3("Menu", "表示位置の設定", "toolbar tooltip")),
        button(505, cmd::kDisplayOffset, VRQ_TEXT3("Menu", "表示オフセットの設定", "toolbar tooltip")),
        button(506, cmd::kScrollSpeed, VRQ_TEXT3("Menu", "表示速度の設定", "toolbar tooltip")),
        button(507, cmd::kBlink, VRQ_TEXT3("Menu", "文字点滅の設定", "toolbar tooltip")),
        button(508, cmd::kAutoSwitch, VRQ_TEXT3("Menu", "自動切換えの設定", "toolbar tooltip")),
        button(509, cmd::kColour, VRQ_TEXT3("Menu", "文字色の設定", "toolbar tooltip")),
        button(510, cmd::kFill, VRQ_TEXT3("Menu", "背景色ベタ塗りの設定", "toolbar tooltip")),
        button(511, cmd::kCharLevel, VRQ_TEXT3("Menu", "文字レベルの設定", "toolbar tooltip")),
        button(512, cmd::kSchedule, VRQ_TEXT3("Menu", "スケジュールの設定", "toolbar tooltip")),
        button(513, cmd::kAlarm, VRQ_TEXT3("Menu", "アラームの設定", "toolbar tooltip")),
        button(514, cmd::kRemote, VRQ_TEXT3("Menu", "リモートの設定", "toolbar tooltip")),
        button(515, cmd::kOther, VRQ_TEXT3("Menu", "その他の設定", "toolbar tooltip")),
        button(516, cmd::kDisplayPage, VRQ_TEXT3("Menu", "表示ページの設定", "toolbar tooltip"))};
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

Text tooltipFor(const Variant& v, int id) {
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
