<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Console</name>
    <message>
        <location filename="../src/shell/console_app.cpp" line="+98"/>
        <source>２重に起動はできません</source>
        <translation>The program is already running.</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <location filename="../src/shell/document_commands.cpp" line="+20"/>
        <source>データ(*.dat)</source>
        <translation>Data (*.dat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>データ(*.dat);;すべて(*.*)</source>
        <translation>Data (*.dat);;All Files (*.*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ファイルのオープン</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ファイルの保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>データを保存せずに新規作成しますか？</source>
        <translation>Start a new document without saving the changes?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>データを保存せずに別のファイルを開きますか？</source>
        <translation>Open another file without saving the changes?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Can&apos;t file open</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n件の設定がファイルにありませんでした。初期値にしています。</source>
        <translation>
            <numerusform>%n setting was not in the file. It is set to its default.</numerusform>
            <numerusform>%n settings were not in the file. They are set to their defaults.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+68"/>
        <source>データを保存せずに終了しますか？</source>
        <translation>Exit without saving the changes?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/shell/main_window.cpp" line="+155"/>
        <source>インターフェイスをRS-232Cにしてください。</source>
        <translation>Choose RS-232C in Interface Settings first.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>TCP/IPを切断してください。</source>
        <translation>Disconnect TCP/IP first.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/variants/variant.cpp" line="+18"/>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開く</source>
        <translation>Open…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>名前を付けて保存</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>タイトルの書き出し（CSV）…</source>
        <translation>Export Titles (CSV)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイトルの読み込み（CSV）…</source>
        <translation>Import Titles (CSV)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>外字登録</source>
        <translation>User Glyphs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>外字登録小文字</source>
        <translation>Small Glyphs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録中文字</source>
        <translation>Medium Glyphs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録大文字</source>
        <translation>Large Glyphs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字挿入</source>
        <translation>Insert User Glyph</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>全項目の設定</source>
        <translation>Send All Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更分の送信</source>
        <translation>Send Changes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機器のスレーブアドレス</source>
        <translation>Device Slave Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>メンテナンス</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>設定項目の読み込み</source>
        <translation>Read All Settings</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>インターフェイス</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>インターフェイスの設定</source>
        <translation>Interface Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RS-232C/485の設定</source>
        <translation>RS-232C/485 Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>クライアント/サーバー</source>
        <translation>Client/Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TCP/IPの設定</source>
        <translation>TCP/IP Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>プロトコル</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>プロトコルの設定</source>
        <translation>Protocol Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>通信モニタ</source>
        <translation>Traffic Monitor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>VRQ700のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About VRQ700</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+40"/>
        <source>日付，時刻</source>
        <translation>Date and Time</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>タイトル</source>
        <translation>Titles</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>文字サイズ</source>
        <translation>Character Size</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>表示行間</source>
        <translation>Line Spacing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示点滅</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+42"/>
        <source>自動切換え</source>
        <translation>Auto Switching</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>文字＆縁取り色</source>
        <translation>Character &amp;&amp; Edge Colour</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>背景色ベタ塗り</source>
        <translation>Background Fill</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>文字レベル</source>
        <translation>Character Level</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>スケジュール</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>アラーム</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>リモート</source>
        <translation>Remote</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>その他</source>
        <translation>Other Settings</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>表示ページ</source>
        <translation>Display Page</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+42"/>
        <source>設定</source>
        <comment>menu title</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>VRQ700 のﾊﾞｰｼﾞｮﾝ情報.</source>
        <translation>About VRQ700</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>日付，時刻の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Date and Time</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+42"/>
        <source>時</source>
        <comment>toolbar icon</comment>
        <translation>Clk</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>タイトルの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Titles</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+42"/>
        <source>文字サイズの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Character Size</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>表示行間の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Line Spacing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示点滅の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Blinking</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+44"/>
        <source>自動切換えの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Auto Switching</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>文字＆縁取り色の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Character &amp;&amp; Edge Colour</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+44"/>
        <source>色</source>
        <comment>toolbar icon</comment>
        <translation>Col</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>背景色ベタ塗りの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Background Fill</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>文字レベルの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Character Level</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>スケジュールの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Schedule</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+44"/>
        <source>予</source>
        <comment>toolbar icon</comment>
        <translation>Sch</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>アラームの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>リモートの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Remote</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>その他の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Other Settings</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+44"/>
        <source>表示ページの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Display Page</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>VRQ700Sのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About VRQ700S</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>表示位置</source>
        <translation>Display Position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示オフセット</source>
        <translation>Display Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スクロール速度</source>
        <translation>Scroll Speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>点滅</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>VRQ700S のﾊﾞｰｼﾞｮﾝ情報.</source>
        <translation>About VRQ700S</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>表示位置の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Display Position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示オフセットの設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Display Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示速度の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Scroll Speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字点滅の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Blinking</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文字色の設定</source>
        <comment>toolbar tooltip</comment>
        <translation>Character &amp;&amp; Edge Colour</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <location filename="../src/protocol/notifier.cpp" line="+34"/>
        <source>%1 は既に存在します。
上書きしますか？</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location filename="../src/protocol/notifier.h" line="+33"/>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/shell/message_box_notifier.cpp" line="+60"/>
        <source>（%1回）</source>
        <translation> (%1 times)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/shell/recovery.cpp" line="+52"/>
        <source>(名前なし)</source>
        <translation>(unnamed)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>前回、保存されずに終了したデータがあります。
%1
開きますか？</source>
        <translation>The program ended last time with unsaved data.
%1
Open it?</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>前回、保存されずに終了した外字データがあります。
残すと次のファイルになり、外字登録の「開く」で開けます。
%1
残しますか？（いいえ: 削除します）</source>
        <translation>The program ended last time with unsaved user glyphs.
If you keep them, they are saved as the file below; open it with Open in User Glyphs.
%1
Keep them? (No deletes them.)</translation>
    </message>
</context>
</TS>
