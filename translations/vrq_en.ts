<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>GlyphEditorDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_editor_dialog.cpp" line="+28" />
        <source>Can't file open</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Don't file open</source>
        <translation>No file is open. Use Save As.</translation>
    </message>
    <message>
        <location line="+127" />
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1" />
        <source>データを保存せずに新規作成しますか？</source>
        <translation>Start a new document without saving the data?</translation>
    </message>
    <message>
        <location line="+13" />
        <source>データを保存せずに別のファイルを開きますか？</source>
        <translation>Open another file without saving the data?</translation>
    </message>
    <message>
        <location line="+16" />
        <source>外字ファイルが壊れています。読めない文字は「0」（消灯）として読み込みました。
%1</source>
        <translation>The glyph file is damaged. What could not be read was taken as 0 (dot off).
%1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <location filename="../src/protocol/notifier.cpp" line="+34" />
        <source>%1 は既に存在します。
上書きしますか？</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location filename="../src/protocol/notifier.h" line="+33" />
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/shell/message_box_notifier.cpp" line="+61" />
        <source>（%1回）</source>
        <translation> (%1 times)</translation>
    </message>
</context>
<context>
    <name>TcpClientDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.cpp" line="+189" />
        <source>Socket 接続 OK</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Socket 切断 OK</source>
        <translation>Disconnected.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.h" line="+26" />
        <source>Host List は100件までです。不要なアドレスを削除してから追加してください。</source>
        <translation>The Host List holds up to 100 entries. Remove addresses you no longer need, then add.</translation>
    </message>
</context>
<context>
    <name>TitleCsv</name>
    <message>
        <location filename="../src/ctl/title_csv_run.cpp" line="+17" />
        <source>%1 に書き込めません：%2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+10" />
        <source>設定ファイル %1 を読み込めません：%2</source>
        <translation>cannot read the settings document %1: %2</translation>
    </message>
    <message>
        <location line="+9" />
        <source>%1 には %3 件中 %2 件の設定がありません。初期値を使います</source>
        <translation>%1 lacks %2 of %3 settings; they are taken at their defaults</translation>
    </message>
    <message>
        <location line="+11" />
        <source>タイトルを標準出力に書き出せません</source>
        <translation>cannot write the titles to standard output</translation>
    </message>
    <message>
        <location line="+15" />
        <source>%1 を読み込めません：%2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+9" />
        <source>%n件の問題があるため、何も書き込みませんでした</source>
        <translation>
            <numerusform>%n problem; nothing written</numerusform>
            <numerusform>%n problems; nothing written</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/protocol/title_csv_texts.cpp" line="+30" />
        <source>UTF-8またはシフトJISのテキストではありません</source>
        <translation>not a text file in UTF-8 or CP932</translation>
    </message>
    <message>
        <location line="+2" />
        <source>見出しの行（%1）がありません</source>
        <translation>the header row (%1) is missing</translation>
    </message>
    <message>
        <location line="+2" />
        <source>別の機種の見出しです（%1）</source>
        <translation>the header is the other model's (%1)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>「"」で始まるセルが閉じていません</source>
        <translation>a quoted cell is not closed</translation>
    </message>
    <message>
        <location line="+1" />
        <source>セルが足りません</source>
        <translation>a cell is missing</translation>
    </message>
    <message>
        <location line="+2" />
        <source>タイトルの後にもセルがあります（「,」を含むタイトルは「"」で囲みます）</source>
        <translation>a cell after the title (a title holding a comma goes in double quotes)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>「%1」は数字ではありません</source>
        <translation>'%1' is not a number</translation>
    </message>
    <message>
        <location line="+2" />
        <source>ページ%1は1～512の範囲にありません</source>
        <translation>page %1 is not 1..512</translation>
    </message>
    <message>
        <location line="+2" />
        <source>ライン%1は1～10の範囲にありません</source>
        <translation>line %1 is not 1..10</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1行目と同じタイトルです</source>
        <translation>the same title as row %1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>タイトルに改行があります</source>
        <translation>a line break in a title</translation>
    </message>
    <message>
        <location line="+2" />
        <source>「%1」（%2）はシフトJISにない文字です</source>
        <translation>'%1' (%2) has no Shift-JIS code</translation>
    </message>
    <message>
        <location line="+2" />
        <source>「%1」（%2）は機器が表示できない文字です</source>
        <translation>'%1' (%2) is not a character the device shows</translation>
    </message>
    <message>
        <location line="+1" />
        <source>タイトルは%1文字までです</source>
        <translation>longer than %1 characters</translation>
    </message>
    <message numerus="yes">
        <location line="+9" />
        <source>ほかに%n件の問題があります</source>
        <translation>
            <numerusform>and %n more problem</numerusform>
            <numerusform>and %n more problems</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2" />
        <source>%1行目・%2列目：%3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1行目：%2</source>
        <translation>row %1: %2</translation>
    </message>
    <message>
        <location line="+11" />
        <source>シフトJIS（CP932）</source>
        <translation>CP932 (Shift-JIS)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>UTF-8（BOM付き）</source>
        <translation>UTF-8 with byte-order mark</translation>
    </message>
    <message>
        <location line="+3" />
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+4" />
        <source>CSVファイルからタイトルを読み込みました。
変更したタイトル：%1件
全角にした文字：%2字
文字コード：%3
%4</source>
        <translation>Titles were read from the CSV file.
Titles changed: %1
Characters made full-width: %2
Encoding: %3
%4</translation>
    </message>
    <message>
        <location filename="../src/shell/title_csv_commands.cpp" line="+20" />
        <source>CSV(*.csv);;すべて(*.*)</source>
        <translation>CSV (*.csv);;All Files (*.*)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>タイトルの読み込み（CSV）</source>
        <translation>Import Titles (CSV)</translation>
    </message>
    <message>
        <location line="+8" />
        <source>タイトルの書き出し（CSV）</source>
        <translation>Export Titles (CSV)</translation>
    </message>
    <message numerus="yes">
        <location line="+29" />
        <source>%n件のタイトルをCSVファイルに書き出しました。
%1</source>
        <translation>
            <numerusform>%n title was written to the CSV file.
%1</numerusform>
            <numerusform>%n titles were written to the CSV file.
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vrq::ClientServerDialog</name>
    <message>
        <location filename="../src/dialogs/client_server_dialog.cpp" line="+15" />
        <source>クライアント/サーバー</source>
        <translation>Client/Server</translation>
    </message>
    <message>
        <location line="+2" />
        <source>選択</source>
        <translation>Role</translation>
    </message>
    <message>
        <location line="+7" />
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::GlyphEditorDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_editor_dialog.cpp" line="-112" />
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1" />
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1" />
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1" />
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+4" />
        <source>登録番号</source>
        <translation>Glyph Number</translation>
    </message>
    <message>
        <location line="+6" />
        <location line="+14" />
        <source>リード</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="-13" />
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <location line="+8" />
        <source>サンプル</source>
        <translation>Sample Character</translation>
    </message>
    <message>
        <location line="+39" />
        <source>%1;;すべて(*.*)</source>
        <translation>%1;;All Files (*.*)</translation>
    </message>
    <message>
        <location line="+38" />
        <source>ファイルのオープン</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location line="+33" />
        <source>ファイルの保存</source>
        <translation>Save File</translation>
    </message>
</context>
<context>
    <name>vrq::GlyphInsertDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_insert_dialog.cpp" line="+26" />
        <source>外字挿入</source>
        <translation>Insert Glyph</translation>
    </message>
    <message>
        <location line="+0" />
        <source>外字挿入の設定 </source>
        <translation>Insert Glyph </translation>
    </message>
    <message>
        <location line="+9" />
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+1" />
        <source>フォント サイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <location line="+2" />
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+1" />
        <source>外字登録番号</source>
        <translation>Glyph number</translation>
    </message>
    <message>
        <location line="+1" />
        <source>挿入位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+3" />
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::InterfaceDialog</name>
    <message>
        <location filename="../src/dialogs/interface_dialog.cpp" line="+31" />
        <source>インターフェイスの設定</source>
        <translation>Interface Settings</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location line="+7" />
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::SerialSettingsDialog</name>
    <message>
        <location filename="../src/dialogs/serial_settings_dialog.cpp" line="+45" />
        <source>RS-232C/485の設定</source>
        <translation>RS-232C/485 Settings</translation>
    </message>
    <message>
        <location line="+3" />
        <source>コム ポート</source>
        <translation>COM Port</translation>
    </message>
    <message>
        <location line="+30" />
        <source>接続先のデバイス</source>
        <translation>Available Devices</translation>
    </message>
    <message>
        <location line="+5" />
        <source>デバイス</source>
        <translation>Device</translation>
    </message>
    <message>
        <location line="+0" />
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+0" />
        <source>メーカー</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <location line="+0" />
        <source>シリアル番号</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <location line="+12" />
        <source>更新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location line="+6" />
        <location line="+86" />
        <source>%1 に割り当て</source>
        <translation>Assign to %1</translation>
    </message>
    <message>
        <location line="-79" />
        <source>コントロール</source>
        <translation>Line Mode</translation>
    </message>
    <message>
        <location line="+8" />
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+71" />
        <source>割り当て</source>
        <translation>Assign</translation>
    </message>
</context>
<context>
    <name>vrq::TcpClientDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.cpp" line="-138" />
        <source>TCP/IPの設定(Client)</source>
        <translation>TCP/IP Settings (Client)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Host IP Address</source>
        <translation>Host IP Address</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Host List</source>
        <translation>Host List</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <location line="+14" />
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1" />
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <location line="+1" />
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1" />
        <source>接続</source>
        <comment>button</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+1" />
        <source>切断</source>
        <comment>button</comment>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>vrq::TcpServerDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_server_dialog.cpp" line="+33" />
        <source>送信先</source>
        <translation>destination</translation>
    </message>
    <message>
        <location line="+0" />
        <source>接続中</source>
        <translation>connected</translation>
    </message>
    <message>
        <location line="+5" />
        <source>TCP/IPの設定(Server)</source>
        <translation>TCP/IP Settings (Server)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Transmission place</source>
        <translation>Destination</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Client List</source>
        <translation>Client List</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <location line="+14" />
        <source>接続</source>
        <comment>button</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+1" />
        <source>切断</source>
        <comment>button</comment>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>vrq::TitleCsvProblemsDialog</name>
    <message>
        <location filename="../src/dialogs/title_csv_dialog.cpp" line="+16" />
        <source>タイトルの読み込み（CSV）</source>
        <translation>Import Titles (CSV)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>次の問題があるため読み込みませんでした。タイトルは変わっていません。
%1</source>
        <translation>The file was not imported because of the problems below. The titles are unchanged.
%1</translation>
    </message>
</context>
<context>
    <name>vrq::TitleEditor</name>
    <message>
        <location filename="../src/dialogs/title_editor.cpp" line="+46" />
        <source>「%1」は半角文字のため、タイトルに使えません。全角で入力してください</source>
        <translation>"%1" cannot be used in a title: it is a half-width character. Type it full-width</translation>
    </message>
    <message>
        <location line="+5" />
        <source>「%1」はJISコードのない文字のため、タイトルに使えません</source>
        <translation>"%1" cannot be used in a title: it has no JIS code</translation>
    </message>
    <message>
        <location line="+1" />
        <source>「%1」（JIS %2）は機器が受け付けない文字のため、タイトルに使えません</source>
        <translation>"%1" (JIS %2) cannot be used in a title: the device does not take it</translation>
    </message>
    <message>
        <location line="+7" />
        <source>タイトルの設定</source>
        <translation>Title Settings</translation>
    </message>
    <message>
        <location line="+0" />
        <source>タイトルの設定 </source>
        <translation>Title Settings </translation>
    </message>
    <message>
        <location line="+6" />
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+3" />
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+10" />
        <location line="+8" />
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <location line="+22" />
        <source>ライン設定</source>
        <translation>Set Line</translation>
    </message>
    <message>
        <location line="+2" />
        <source>ページ設定</source>
        <translation>Set Page</translation>
    </message>
    <message>
        <location line="+1" />
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <location line="+77" />
        <source>「%1」はシフトJISにない文字のため、タイトルに使えません</source>
        <translation>"%1" cannot be used in a title: it is not in Shift-JIS</translation>
    </message>
    <message>
        <location line="+6" />
        <source>タイトルは%1バイトまでです</source>
        <translation>A title holds at most %1 bytes</translation>
    </message>
</context>
<context>
    <name>vrq::TrafficMonitor</name>
    <message>
        <location filename="../src/dialogs/traffic_monitor.cpp" line="+29" />
        <source>送信</source>
        <comment>direction</comment>
        <translation>Sent</translation>
    </message>
    <message>
        <location line="+1" />
        <source>受信</source>
        <comment>direction</comment>
        <translation>Received</translation>
    </message>
    <message>
        <location line="+1" />
        <source>破棄</source>
        <comment>direction</comment>
        <translation>Dropped</translation>
    </message>
    <message>
        <location line="+1" />
        <source>接続</source>
        <comment>direction</comment>
        <translation>Event</translation>
    </message>
    <message numerus="yes">
        <location line="+19" />
        <source>… (%n バイト)</source>
        <translation>
            <numerusform>… (%n byte)</numerusform>
            <numerusform>… (%n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64" />
        <source>通信モニタ</source>
        <translation>Traffic Monitor</translation>
    </message>
    <message>
        <location line="+21" />
        <source>絞り込み</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location line="+2" />
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+1" />
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+1" />
        <source>名前を付けて保存...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <location line="+5" />
        <source>絞り込み:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <location line="+35" />
        <source>ｽﾛｯﾄ%1 %2</source>
        <translation>Slot %1 %2</translation>
    </message>
    <message>
        <location line="+7" />
        <source>接続しました</source>
        <translation>connected</translation>
    </message>
    <message>
        <location line="+1" />
        <source>接続が切れました</source>
        <translation>connection closed</translation>
    </message>
    <message>
        <location line="+1" />
        <source>接続数が上限のため切断しました</source>
        <translation>turned away: every slot is taken</translation>
    </message>
    <message>
        <location line="+61" />
        <source>%1 / %2 %3</source>
        <translation>%1 / %2 %3</translation>
    </message>
    <message numerus="yes">
        <location line="+1" />
        <source>表示 %n 行</source>
        <translation>
            <numerusform>Showing %n line</numerusform>
            <numerusform>Showing %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1" />
        <source>記録 %n 行</source>
        <translation>
            <numerusform>%n line recorded</numerusform>
            <numerusform>%n lines recorded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1" />
        <source>(最大 %n 行)</source>
        <translation>
            <numerusform>(at most %n line)</numerusform>
            <numerusform>(at most %n lines)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28" />
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+1" />
        <source>テキスト (*.txt *.log);;すべてのファイル (*)</source>
        <translation>Text (*.txt *.log);;All files (*)</translation>
    </message>
</context>
</TS>
