<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>vrq</name>
    <message>
        <source>IPアドレスは0～255の数字4つを「.」で区切って入力してください。</source>
        <translation>Enter the IP address as four numbers from 0 to 255 separated by ".".</translation>
    </message>
    <message>
        <source>ポート番号は1～65535の数字で入力してください。</source>
        <translation>Enter the port number as a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>通常のファイルではないため開けません。</source>
        <translation>This is not a regular file and cannot be opened.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため開けません。</source>
        <translation>The file is too large to open.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。元のファイルはそのままです。</source>
        <translation>The file could not be saved. The original file is unchanged.</translation>
    </message>
    <message>
        <source>別の機種の設定ファイルのため開けません。</source>
        <translation>This is a settings file of the other model and cannot be opened.</translation>
    </message>
    <message>
        <source>この機種の設定ファイルより長いため開けません。</source>
        <translation>The file is longer than a settings file of this model and cannot be opened.</translation>
    </message>
    <message>
        <source>通常のファイルではないため保存できません。</source>
        <translation>This is not a regular file and cannot be saved.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文字サイズ</source>
        <translation>Character size</translation>
    </message>
    <message>
        <source>表示オフセット</source>
        <translation>Display offset</translation>
    </message>
    <message>
        <source>表示行間</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>点滅</source>
        <translation>Blink</translation>
    </message>
    <message>
        <source>文字＆縁取り色</source>
        <translation>Character &amp; edge colour</translation>
    </message>
    <message>
        <source>背景色ベタ塗り</source>
        <translation>Background fill</translation>
    </message>
    <message>
        <source>自動切換え</source>
        <translation>Auto switching</translation>
    </message>
    <message>
        <source>文字レベル</source>
        <translation>Character level</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Display position</translation>
    </message>
    <message>
        <source>スクロール速度</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <source>スケジュール</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>日付，時刻</source>
        <translation>Date, time</translation>
    </message>
    <message>
        <source>アラーム</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>リモート</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>プロトコル</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>ファイルに範囲外の値がありました。送信される値に直して表示します。
</source>
        <translation>The file held values out of range. They are shown as the values that will be sent:
</translation>
    </message>
    <message>
        <source>3秒以上を設定してください。</source>
        <translation>Set 3 seconds or more.</translation>
    </message>
    <message>
        <source>Socket ＯＫ</source>
        <translation>Socket OK</translation>
    </message>
    <message>
        <source>Socket が接続されていません</source>
        <translation>Socket is not connected</translation>
    </message>
    <message>
        <source>装置から応答がありません。</source>
        <translation>No answer from the device. </translation>
    </message>
    <message>
        <source>件のコマンドに続けて応答がなかったため、中止しました。</source>
        <translation> commands in a row went unanswered, so the run was stopped.</translation>
    </message>
    <message>
        <source>ＪＩＳ第１水準,第２水準以外の字が選択されてます</source>
        <translation>A character outside JIS level 1 and level 2 was chosen</translation>
    </message>
    <message>
        <source>２重に起動はできません</source>
        <translation>The program is already running.</translation>
    </message>
    <message>
        <source>データ(*.dat);;すべて(*.*)</source>
        <translation>Data (*.dat);;All files (*.*)</translation>
    </message>
    <message>
        <source>データ(*.dat)</source>
        <translation>Data (*.dat)</translation>
    </message>
    <message>
        <source>タイトルの書き出し（CSV）…</source>
        <translation>Export Titles (CSV)…</translation>
    </message>
    <message>
        <source>タイトルの読み込み（CSV）…</source>
        <translation>Import Titles (CSV)…</translation>
    </message>
    <message>
        <source>タイトルの書き出し（CSV）</source>
        <translation>Export Titles (CSV)</translation>
    </message>
    <message>
        <source>タイトルの読み込み（CSV）</source>
        <translation>Import Titles (CSV)</translation>
    </message>
    <message>
        <source>CSV(*.csv);;すべて(*.*)</source>
        <translation>CSV (*.csv);;All files (*.*)</translation>
    </message>
    <message>
        <source>%1件のタイトルをCSVファイルに書き出しました。</source>
        <translation>%1 titles were written to the CSV file.</translation>
    </message>
    <message>
        <source>CSVファイルからタイトルを読み込みました。</source>
        <translation>Titles were read from the CSV file.</translation>
    </message>
    <message>
        <source>変更したタイトル：%1件</source>
        <translation>Titles changed: %1</translation>
    </message>
    <message>
        <source>全角にした文字：%1字</source>
        <translation>Characters made full-width: %1</translation>
    </message>
    <message>
        <source>文字コード：%1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>シフトJIS（CP932）</source>
        <translation>Shift-JIS (CP932)</translation>
    </message>
    <message>
        <source>UTF-8（BOM付き）</source>
        <translation>UTF-8 with byte-order mark</translation>
    </message>
    <message>
        <source>次の問題があるため読み込みませんでした。タイトルは変わっていません。</source>
        <translation>The file was not read because of the problems below. The titles are unchanged.</translation>
    </message>
    <message>
        <source>%1行目・%2列目：</source>
        <translation>Row %1, column %2: </translation>
    </message>
    <message>
        <source>%1行目：</source>
        <translation>Row %1: </translation>
    </message>
    <message>
        <source>UTF-8またはシフトJISのテキストではありません</source>
        <translation>not text in UTF-8 or Shift-JIS</translation>
    </message>
    <message>
        <source>見出しの行（%1）がありません</source>
        <translation>the header row (%1) is missing</translation>
    </message>
    <message>
        <source>別の機種の見出しです（%1）</source>
        <translation>the header is the other model's (%1)</translation>
    </message>
    <message>
        <source>「"」で始まるセルが閉じていません</source>
        <translation>a cell opened with " is not closed</translation>
    </message>
    <message>
        <source>セルが足りません</source>
        <translation>a cell is missing</translation>
    </message>
    <message>
        <source>タイトルの後にもセルがあります（「,」を含むタイトルは「"」で囲みます）</source>
        <translation>a cell follows the title (a title with "," goes in quotes)</translation>
    </message>
    <message>
        <source>「%1」は数字ではありません</source>
        <translation>"%1" is not a number</translation>
    </message>
    <message>
        <source>ページ%1は1～512の範囲にありません</source>
        <translation>page %1 is not within 1 to 512</translation>
    </message>
    <message>
        <source>ライン%1は1～10の範囲にありません</source>
        <translation>line %1 is not within 1 to 10</translation>
    </message>
    <message>
        <source>%1行目と同じタイトルです</source>
        <translation>the same title as row %1</translation>
    </message>
    <message>
        <source>タイトルに改行があります</source>
        <translation>a line break in the title</translation>
    </message>
    <message>
        <source>「%1」（%2）はシフトJISにない文字です</source>
        <translation>"%1" (%2) has no Shift-JIS code</translation>
    </message>
    <message>
        <source>「%1」（%2）は機器が表示できない文字です</source>
        <translation>"%1" (%2) is not a character the device shows</translation>
    </message>
    <message>
        <source>タイトルは%1文字までです</source>
        <translation>a title holds at most %1 characters</translation>
    </message>
    <message>
        <source>ほかに%1件の問題があります</source>
        <translation>and %1 more problems</translation>
    </message>
    <message>
        <source>ファイルのオープン</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>ファイルの保存</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>データを保存せずに新規作成しますか？</source>
        <translation>Start a new document without saving the data?</translation>
    </message>
    <message>
        <source>データを保存せずに別のファイルを開きますか？</source>
        <translation>Open another file without saving the data?</translation>
    </message>
    <message>
        <source>%1 は既に存在します。
上書きしますか？</source>
        <translation>%1 already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>データを保存せずに終了しますか？</source>
        <translation>Quit without saving the data?</translation>
    </message>
    <message>
        <source>インターフェイスをRS-232Cにしてください。</source>
        <translation>Set the interface to RS-232C.</translation>
    </message>
    <message>
        <source>TCP/IPを切断してください。</source>
        <translation>Disconnect TCP/IP first.</translation>
    </message>
    <message>
        <source>(名前なし)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>前回、保存されずに終了したデータがあります。
</source>
        <translation>The program ended last time with unsaved data.
</translation>
    </message>
    <message>
        <source>
開きますか？</source>
        <translation>
Open it?</translation>
    </message>
    <message>
        <source>前回、保存されずに終了した外字データがあります。
残すと次のファイルになり、外字登録の「開く」で開けます。
</source>
        <translation>The program ended last time with unsaved glyph data.
Kept, it becomes the following file, which "Open" of the glyph editor opens.
</translation>
    </message>
    <message>
        <source>
残しますか？（いいえ: 削除します）</source>
        <translation>
Keep it? (No: delete it)</translation>
    </message>
    <message>
        <source>外字パターンの応答が壊れていたため、読み込みませんでした。</source>
        <translation>The glyph pattern in the answer was damaged, so it was not loaded.</translation>
    </message>
    <message>
        <source>外字ファイルが壊れています。読めない文字は「0」（消灯）として読み込みました。
</source>
        <translation>The glyph file is damaged. Unreadable characters were read as "0" (unlit).
</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>登録番号</source>
        <translation>Glyph number</translation>
    </message>
    <message>
        <source>リード</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>サンプル</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>;;すべて(*.*)</source>
        <translation>;;All files (*.*)</translation>
    </message>
    <message>
        <source>外字挿入</source>
        <translation>Insert Glyph</translation>
    </message>
    <message>
        <source>外字挿入の設定 </source>
        <translation>Insert Glyph </translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>フォント サイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>外字登録番号</source>
        <translation>Glyph number</translation>
    </message>
    <message>
        <source>挿入位置</source>
        <translation>Insert position</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>データ(*.txl)</source>
        <translation>Data (*.txl)</translation>
    </message>
    <message>
        <source>外字登録設定（大文字）</source>
        <translation>User Glyphs (Large)</translation>
    </message>
    <message>
        <source>外字登録（大文字）の設定 </source>
        <translation>User Glyphs (Large) </translation>
    </message>
    <message>
        <source>データ(*.txm)</source>
        <translation>Data (*.txm)</translation>
    </message>
    <message>
        <source>外字登録（中文字）の設定</source>
        <translation>User Glyphs (Medium)</translation>
    </message>
    <message>
        <source>外字登録（中文字）の設定 </source>
        <translation>User Glyphs (Medium) </translation>
    </message>
    <message>
        <source>データ(*.txs)</source>
        <translation>Data (*.txs)</translation>
    </message>
    <message>
        <source>外字登録（小文字）の設定</source>
        <translation>User Glyphs (Small)</translation>
    </message>
    <message>
        <source>外字登録（小文字）の設定 </source>
        <translation>User Glyphs (Small) </translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>外字登録</source>
        <translation>User Glyphs</translation>
    </message>
    <message>
        <source>外字登録小文字</source>
        <translation>Small Glyphs</translation>
    </message>
    <message>
        <source>外字登録中文字</source>
        <translation>Medium Glyphs</translation>
    </message>
    <message>
        <source>外字登録大文字</source>
        <translation>Large Glyphs</translation>
    </message>
    <message>
        <source>全項目の設定</source>
        <translation>Send All Settings</translation>
    </message>
    <message>
        <source>機器のスレーブアドレス</source>
        <translation>Device Slave Address</translation>
    </message>
    <message>
        <source>メンテナンス</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>設定項目の読み込み</source>
        <translation>Read All Settings</translation>
    </message>
    <message>
        <source>インターフェイス</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>インターフェイスの設定</source>
        <translation>Interface Settings</translation>
    </message>
    <message>
        <source>RS-232C/485の設定</source>
        <translation>RS-232C/485 Settings</translation>
    </message>
    <message>
        <source>クライアント/サーバー</source>
        <translation>Client/Server</translation>
    </message>
    <message>
        <source>TCP/IPの設定</source>
        <translation>TCP/IP Settings</translation>
    </message>
    <message>
        <source>プロトコルの設定</source>
        <translation>Protocol Settings</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>通信モニタ</source>
        <translation>Traffic Monitor</translation>
    </message>
    <message>
        <source>VRQ700のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About VRQ700</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>表示点滅</source>
        <translation>Display Blink</translation>
    </message>
    <message>
        <source>表示ページ</source>
        <translation>Display Page</translation>
    </message>
    <message>
        <source>VRQ700 のﾊﾞｰｼﾞｮﾝ情報.</source>
        <translation>About VRQ700...</translation>
    </message>
    <message>
        <source>日付，時刻の設定</source>
        <translation>Date and Time Settings</translation>
    </message>
    <message>
        <source>時</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>タイトルの設定</source>
        <translation>Title Settings</translation>
    </message>
    <message>
        <source>文字サイズの設定</source>
        <translation>Character Size Settings</translation>
    </message>
    <message>
        <source>表示行間の設定</source>
        <translation>Line Spacing Settings</translation>
    </message>
    <message>
        <source>≡</source>
        <translation>≡</translation>
    </message>
    <message>
        <source>表示点滅の設定</source>
        <translation>Display Blink Settings</translation>
    </message>
    <message>
        <source>✦</source>
        <translation>✦</translation>
    </message>
    <message>
        <source>自動切換えの設定</source>
        <translation>Auto Switching Settings</translation>
    </message>
    <message>
        <source>⟳</source>
        <translation>⟳</translation>
    </message>
    <message>
        <source>文字＆縁取り色の設定</source>
        <translation>Character &amp; Edge Colour Settings</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Col</translation>
    </message>
    <message>
        <source>背景色ベタ塗りの設定</source>
        <translation>Background Fill Settings</translation>
    </message>
    <message>
        <source>■</source>
        <translation>■</translation>
    </message>
    <message>
        <source>文字レベルの設定</source>
        <translation>Character Level Settings</translation>
    </message>
    <message>
        <source>スケジュールの設定</source>
        <translation>Schedule Settings</translation>
    </message>
    <message>
        <source>予</source>
        <translation>Sch</translation>
    </message>
    <message>
        <source>アラームの設定</source>
        <translation>Alarm Settings</translation>
    </message>
    <message>
        <source>リモートの設定</source>
        <translation>Remote Settings</translation>
    </message>
    <message>
        <source>その他の設定</source>
        <translation>Other Settings</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>表示ページの設定</source>
        <translation>Display Page Settings</translation>
    </message>
    <message>
        <source>VRQ700Sのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About VRQ700S</translation>
    </message>
    <message>
        <source>VRQ700S のﾊﾞｰｼﾞｮﾝ情報.</source>
        <translation>About VRQ700S...</translation>
    </message>
    <message>
        <source>表示位置の設定</source>
        <translation>Display Position Settings</translation>
    </message>
    <message>
        <source>⇕</source>
        <translation>⇕</translation>
    </message>
    <message>
        <source>表示オフセットの設定</source>
        <translation>Display Offset Settings</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>表示速度の設定</source>
        <translation>Scroll Speed Settings</translation>
    </message>
    <message>
        <source>»</source>
        <translation>»</translation>
    </message>
    <message>
        <source>文字点滅の設定</source>
        <translation>Character Blink Settings</translation>
    </message>
    <message>
        <source>文字色の設定</source>
        <translation>Character Colour Settings</translation>
    </message>
    <message>
        <source>このデバイスを所有するグループ</source>
        <translation>the group that owns this device</translation>
    </message>
    <message>
        <source>グループ「</source>
        <translation>the group "</translation>
    </message>
    <message>
        <source>」</source>
        <translation>"</translation>
    </message>
    <message>
        <source>このデバイスを使う権限がありません。ユーザーを</source>
        <translation>You have no permission to use this device. Add the user to </translation>
    </message>
    <message>
        <source>に加え、ログインし直してください。</source>
        <translation> and log in again.</translation>
    </message>
    <message>
        <source>シリアルポート %1 が使えなくなりました。つなぎ直してから、インターフェイスの設定でシリアルを選び直してください。</source>
        <translation>Serial port %1 is no longer available. Plug it in again, then choose serial again in Interface Settings.</translation>
    </message>
    <message>
        <source>シリアルポートへ送信できませんでした。</source>
        <translation>Could not send to the serial port.</translation>
    </message>
    <message>
        <source>WINSOCK.DLLの accept() からのエラー。</source>
        <translation>Error from accept().</translation>
    </message>
    <message>
        <source>WINSOCK.DLLの listen() からのエラー。</source>
        <translation>Error from listen().</translation>
    </message>
    <message>
        <source>ｽﾛｯﾄ</source>
        <translation>Slot </translation>
    </message>
    <message>
        <source>Socket 送信</source>
        <translation>Socket send</translation>
    </message>
    <message>
        <source>Answer が､きません</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>Cannot connect</translation>
    </message>
    <message>
        <source>Bindできません</source>
        <translation>Cannot bind</translation>
    </message>
    <message>
        <source>ソケットイベントにエラーが発生しました。</source>
        <translation>An error occurred on a socket event.</translation>
    </message>
    <message>
        <source>送信先の機器が接続を切りました。TCP/IP設定で送信先を選び直してください。</source>
        <translation>The destination device closed the connection. Choose the destination again in TCP/IP Settings.</translation>
    </message>
    <message>
        <source>listen_address に指定されたアドレスが正しくありません。すべてのアドレスで待ち受けます。</source>
        <translation>The address given as listen_address is not valid. Listening on every address.</translation>
    </message>
    <message>
        <source>アラームの設定 </source>
        <translation>Alarm Settings </translation>
    </message>
    <message>
        <source>モード</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>保持時間</source>
        <translation>Hold time</translation>
    </message>
    <message>
        <source>入力極性</source>
        <translation>Input polarity</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>リターン</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>コネクター番号割り付け</source>
        <translation>Connector number assignment</translation>
    </message>
    <message>
        <source>高速転送（応答を受けたら次を送る）</source>
        <translation>Fast transfer (send the next command when the answer is in)</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>年月日時分秒</source>
        <translation>Y M D h m s</translation>
    </message>
    <message>
        <source>年月日時分　</source>
        <translation>Y M D h m  </translation>
    </message>
    <message>
        <source>年月日　　　</source>
        <translation>Y M D      </translation>
    </message>
    <message>
        <source>　月日時分秒</source>
        <translation>  M D h m s</translation>
    </message>
    <message>
        <source>　月日時分　</source>
        <translation>  M D h m  </translation>
    </message>
    <message>
        <source>　月日　　　</source>
        <translation>  M D      </translation>
    </message>
    <message>
        <source>　　　時分秒</source>
        <translation>      h m s</translation>
    </message>
    <message>
        <source>　　　時分　</source>
        <translation>      h m  </translation>
    </message>
    <message>
        <source>日付＆時刻の設定</source>
        <translation>Date &amp; Time Settings</translation>
    </message>
    <message>
        <source>日付，時刻の設定 </source>
        <translation>Date and Time Settings </translation>
    </message>
    <message>
        <source>年</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>表示範囲</source>
        <translation>Display range</translation>
    </message>
    <message>
        <source>表示サイズ</source>
        <translation>Display size</translation>
    </message>
    <message>
        <source>30秒補正</source>
        <translation>30-second adjustment</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>シアン</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>ブランク</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>黒　　　　</source>
        <translation>Black     </translation>
    </message>
    <message>
        <source>赤　　　　</source>
        <translation>Red       </translation>
    </message>
    <message>
        <source>緑　　　　</source>
        <translation>Green     </translation>
    </message>
    <message>
        <source>黄　　　　</source>
        <translation>Yellow    </translation>
    </message>
    <message>
        <source>青　　　　</source>
        <translation>Blue      </translation>
    </message>
    <message>
        <source>マゼンタ　</source>
        <translation>Magenta   </translation>
    </message>
    <message>
        <source>シアン　　</source>
        <translation>Cyan      </translation>
    </message>
    <message>
        <source>白　　　　</source>
        <translation>White     </translation>
    </message>
    <message>
        <source>ブランク　</source>
        <translation>Blank     </translation>
    </message>
    <message>
        <source>？　　　　</source>
        <translation>?         </translation>
    </message>
    <message>
        <source>ライン設定</source>
        <translation>Set Line</translation>
    </message>
    <message>
        <source>ページ設定</source>
        <translation>Set Page</translation>
    </message>
    <message>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <source>表示点滅の設定 </source>
        <translation>Display Blink Settings </translation>
    </message>
    <message>
        <source>点滅ON/OFF</source>
        <translation>Blink ON/OFF</translation>
    </message>
    <message>
        <source>全ページ同設定</source>
        <translation>Same for all pages</translation>
    </message>
    <message>
        <source>全ライン同設定</source>
        <translation>Same for all lines</translation>
    </message>
    <message>
        <source>文字サイズの設定 </source>
        <translation>Character Size Settings </translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>全ページ同サイズ</source>
        <translation>Same size on all pages</translation>
    </message>
    <message>
        <source>全ライン同サイズ</source>
        <translation>Same size on all lines</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>表示行間の設定 </source>
        <translation>Line Spacing Settings </translation>
    </message>
    <message>
        <source>全ページ同行間</source>
        <translation>Same spacing on all pages</translation>
    </message>
    <message>
        <source>全ライン同行間</source>
        <translation>Same spacing on all lines</translation>
    </message>
    <message>
        <source>文字＆縁取り色の設定 </source>
        <translation>Character &amp; Edge Colour Settings </translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Character colour</translation>
    </message>
    <message>
        <source>全ページ同文字色</source>
        <translation>Same character colour on all pages</translation>
    </message>
    <message>
        <source>全ライン同文字色</source>
        <translation>Same character colour on all lines</translation>
    </message>
    <message>
        <source>縁取り色</source>
        <translation>Edge colour</translation>
    </message>
    <message>
        <source>全ページ同縁取り色</source>
        <translation>Same edge colour on all pages</translation>
    </message>
    <message>
        <source>全ライン同縁取り色</source>
        <translation>Same edge colour on all lines</translation>
    </message>
    <message>
        <source>文字色　　縁取り色</source>
        <translation>Character  Edge</translation>
    </message>
    <message>
        <source>背景色ベタ塗りの設定 </source>
        <translation>Background Fill Settings </translation>
    </message>
    <message>
        <source>その他の設定 </source>
        <translation>Other Settings </translation>
    </message>
    <message>
        <source>コネクター入力</source>
        <translation>Connector input</translation>
    </message>
    <message>
        <source>電源投入時ページ</source>
        <translation>Page at power-on</translation>
    </message>
    <message>
        <source>ビデオロス背景色</source>
        <translation>Background on video loss</translation>
    </message>
    <message>
        <source>Zoomフォント</source>
        <translation>Zoom font</translation>
    </message>
    <message>
        <source>自動切換えの設定 </source>
        <translation>Auto Switching Settings </translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>同時間（秒）</source>
        <translation>Same time (s)</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>表示ページの設定 </source>
        <translation>Display Page Settings </translation>
    </message>
    <message>
        <source>表示ON/OFF</source>
        <translation>Display ON/OFF</translation>
    </message>
    <message>
        <source>文字レベルの設定 </source>
        <translation>Character Level Settings </translation>
    </message>
    <message>
        <source>文字白レベル</source>
        <translation>Character white level</translation>
    </message>
    <message>
        <source>同文字白レベル</source>
        <translation>Same white level</translation>
    </message>
    <message>
        <source>文字黒レベル</source>
        <translation>Character black level</translation>
    </message>
    <message>
        <source>同文字黒レベル</source>
        <translation>Same black level</translation>
    </message>
    <message>
        <source>スケジュールの設定 </source>
        <translation>Schedule Settings </translation>
    </message>
    <message>
        <source>時 分 ページ　　 　　時 分 ページ　　　　時 分 ページ</source>
        <translation>h  m  page                      h  m  page                      h  m  page</translation>
    </message>
    <message>
        <source>パターン番号</source>
        <translation>Pattern number</translation>
    </message>
    <message>
        <source>日OFF</source>
        <translation>Day OFF</translation>
    </message>
    <message>
        <source>プロトコルの設定 </source>
        <translation>Protocol Settings </translation>
    </message>
    <message>
        <source>リモートの設定 </source>
        <translation>Remote Settings </translation>
    </message>
    <message>
        <source>コム ポート</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>接続先のデバイス</source>
        <translation>Device it leads to</translation>
    </message>
    <message>
        <source>デバイス</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>メーカー</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>シリアル番号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>COM 6 に割り当て</source>
        <translation>Assign to COM 6</translation>
    </message>
    <message>
        <source>コントロール</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>割り当て</source>
        <translation>Assign</translation>
    </message>
    <message>
        <source> に割り当て</source>
        <translation> assign</translation>
    </message>
    <message>
        <source>スレーブアドレス</source>
        <translation>Slave address</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>経過 %1　　残り 約 %2</source>
        <translation>Elapsed %1    About %2 left</translation>
    </message>
    <message>
        <source>点滅表示の設定</source>
        <translation>Blink Settings</translation>
    </message>
    <message>
        <source>文字点滅の設定 </source>
        <translation>Character Blink Settings </translation>
    </message>
    <message>
        <source>表示位置オフセット</source>
        <translation>Display Position Offset</translation>
    </message>
    <message>
        <source>表示位置オフセットの設定 </source>
        <translation>Display Position Offset Settings </translation>
    </message>
    <message>
        <source>表示位置の設定 </source>
        <translation>Display Position Settings </translation>
    </message>
    <message>
        <source>文字色の設定 </source>
        <translation>Character Colour Settings </translation>
    </message>
    <message>
        <source>スクロール速度の設定</source>
        <translation>Scroll Speed Settings</translation>
    </message>
    <message>
        <source>スクロール速度の設定 </source>
        <translation>Scroll Speed Settings </translation>
    </message>
    <message>
        <source>同設定</source>
        <translation>Same for all</translation>
    </message>
    <message>
        <source>文字色同設定</source>
        <translation>Same character colour</translation>
    </message>
    <message>
        <source>縁取り色同設定</source>
        <translation>Same edge colour</translation>
    </message>
    <message>
        <source>スレーブアドレスの設定 </source>
        <translation>Slave Address Settings </translation>
    </message>
    <message>
        <source>TCP/IPの設定(Client)</source>
        <translation>TCP/IP Settings (Client)</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>切断</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Socket 接続 OK</source>
        <translation>Socket connect OK</translation>
    </message>
    <message>
        <source>Socket 切断 OK</source>
        <translation>Socket disconnect OK</translation>
    </message>
    <message>
        <source>Host List は100件までです。不要なアドレスを削除してから追加してください。</source>
        <translation>The Host List holds up to 100 entries. Remove addresses you no longer need, then add.</translation>
    </message>
    <message>
        <source>TCP/IPの設定(Server)</source>
        <translation>TCP/IP Settings (Server)</translation>
    </message>
    <message>
        <source>タイトルの設定 </source>
        <translation>Title Settings </translation>
    </message>
    <message>
        <source>「%1」はシフトJISにない文字のため、タイトルに使えません</source>
        <translation>"%1" cannot be used in a title: it is not in Shift-JIS</translation>
    </message>
    <message>
        <source>「%1」は半角文字のため、タイトルに使えません。全角で入力してください</source>
        <translation>"%1" cannot be used in a title: it is a half-width character. Type it full-width</translation>
    </message>
    <message>
        <source>「%1」はJISコードのない文字のため、タイトルに使えません</source>
        <translation>"%1" cannot be used in a title: it has no JIS code</translation>
    </message>
    <message>
        <source>「%1」（JIS %2）は機器が受け付けない文字のため、タイトルに使えません</source>
        <translation>"%1" (JIS %2) cannot be used in a title: the device does not take it</translation>
    </message>
    <message>
        <source>%1か所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。</source>
        <translation>Titles in %1 places hold characters the device does not take. Correct them in Title Settings.</translation>
    </message>
    <message>
        <source>ページ %1 ライン %2：JIS %3</source>
        <translation>Page %1 line %2: JIS %3</translation>
    </message>
    <message>
        <source>ページ %1 ライン %2：JISコードのない文字（%3）</source>
        <translation>Page %1 line %2: a character without a JIS code (%3)</translation>
    </message>
    <message>
        <source>ページ %1：JIS %2</source>
        <translation>Page %1: JIS %2</translation>
    </message>
    <message>
        <source>ページ %1：JISコードのない文字（%2）</source>
        <translation>Page %1: a character without a JIS code (%2)</translation>
    </message>
    <message>
        <source>ほか%1か所</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>タイトルは%1バイトまでです</source>
        <translation>A title holds at most %1 bytes</translation>
    </message>
    <message>
        <source>送信</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>受信</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>Dropped</translation>
    </message>
    <message>
        <source>… (%1 バイト)</source>
        <translation>… (%1 bytes)</translation>
    </message>
    <message>
        <source>絞り込み</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>名前を付けて保存...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>絞り込み:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>表示 %1 行 / 記録 %2 行 (最大 %3 行)</source>
        <translation>Showing %1 lines / %2 recorded (at most %3)</translation>
    </message>
    <message>
        <source>テキスト (*.txt *.log);;すべてのファイル (*)</source>
        <translation>Text (*.txt *.log);;All files (*)</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>menu</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>時</source>
        <comment>icon</comment>
        <translation>Clk</translation>
    </message>
    <message>
        <source>接続しました</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>接続が切れました</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>接続数が上限のため切断しました</source>
        <translation>disconnected: too many connections</translation>
    </message>
    <message>
        <source>接続</source>
        <comment>direction</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>（%1回）</source>
        <translation> (%1 times)</translation>
    </message>
    <message>
        <source>ブロードキャストからは読み込めません。スレーブアドレスを選んでください。</source>
        <translation>Nothing can be read from a broadcast. Choose a slave address.</translation>
    </message>
    <message>
        <source>転送中は送信先を変更できません。</source>
        <translation>The destination cannot be changed during a transfer.</translation>
    </message>
    <message>
        <source>ほか </source>
        <translation>and </translation>
    </message>
    <message>
        <source> 件</source>
        <translation> more</translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>アラームのコネクター番号割り付け</source>
        <translation>alarm connector assignment</translation>
    </message>
    <message>
        <source>アラームモード</source>
        <translation>alarm mode</translation>
    </message>
    <message>
        <source>アラーム保持時間</source>
        <translation>alarm hold time</translation>
    </message>
    <message>
        <source>アラーム復帰</source>
        <translation>alarm return</translation>
    </message>
    <message>
        <source>アラーム極性</source>
        <translation>alarm polarity</translation>
    </message>
    <message>
        <source>アラーム表示</source>
        <translation>alarm display</translation>
    </message>
    <message>
        <source>スケジュール </source>
        <translation>Schedule </translation>
    </message>
    <message>
        <source>タイムアウト後に届いた応答</source>
        <translation>late answer, after a timeout</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation>version</translation>
    </message>
    <message>
        <source>ブリンク</source>
        <translation>blink</translation>
    </message>
    <message>
        <source>ページ </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>リモートのコネクター番号割り付け</source>
        <translation>remote connector assignment</translation>
    </message>
    <message>
        <source>リモートモード</source>
        <translation>remote mode</translation>
    </message>
    <message>
        <source>他のアドレスの応答</source>
        <translation>answer of another address</translation>
    </message>
    <message>
        <source>件の設定を読み込めませんでした。</source>
        <translation> settings were not read.</translation>
    </message>
    <message>
        <source>件の設定を送信できませんでした。</source>
        <translation> settings were not sent.</translation>
    </message>
    <message>
        <source>壊れた応答</source>
        <translation>damaged answer</translation>
    </message>
    <message>
        <source>応答あり</source>
        <translation>answered</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>応答の後に届いた</source>
        <translation>behind the answer</translation>
    </message>
    <message>
        <source>応答を待つコマンドなし</source>
        <translation>no command awaits an answer</translation>
    </message>
    <message>
        <source>拡大フォント</source>
        <translation>zoom font</translation>
    </message>
    <message>
        <source>文字色と縁取り色</source>
        <translation>character and edge colours</translation>
    </message>
    <message>
        <source>変更分の送信</source>
        <translation>Send changes</translation>
    </message>
    <message>
        <source>送信後に読み戻して確認する</source>
        <translation>Read back and check after sending</translation>
    </message>
    <message>
        <source>基準ファイルを選ぶ</source>
        <translation>Choose base document</translation>
    </message>
    <message>
        <source>全項目を送信</source>
        <translation>Send everything</translation>
    </message>
    <message>
        <source>基準にする設定ファイル</source>
        <translation>Settings document to use as the base</translation>
    </message>
    <message>
        <source>この送信先には、このプログラムで送信または読み込みに成功した設定がありません。基準にする設定ファイルを選ぶか、全項目を送信してください。</source>
        <translation>Nothing has yet been sent to or read from this destination successfully by this program. Choose a settings document as the base, or send everything.</translation>
    </message>
    <message>
        <source>基準は選んだ設定ファイルです。</source>
        <translation>The base is the chosen settings document.</translation>
    </message>
    <message>
        <source>基準から変更された設定はありません。</source>
        <translation>No setting has changed since the base.</translation>
    </message>
    <message>
        <source>変更 %1 件（送信 %2 件）:</source>
        <translation>%1 changed (%2 to send):</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>送信した %1 件を読み戻し、すべて一致しました。</source>
        <translation>The %1 settings sent were read back and all match.</translation>
    </message>
    <message>
        <source>読み戻した %1 件が送信した内容と異なります。</source>
        <translation>%1 settings read back differ from what was sent.</translation>
    </message>
    <message>
        <source>送信先が保持する内容の記録を削除できませんでした。変更分の送信の前に全項目の設定を行ってください。</source>
        <translation>The record of what the destination holds could not be deleted. Send all settings before the next sending of changes.</translation>
    </message>
    <message>
        <source>（タイトルに伴う）</source>
        <translation> (with the titles)</translation>
    </message>
    <message>
        <source>映像断時の背景色</source>
        <translation>background on video loss</translation>
    </message>
    <message>
        <source>時計表示</source>
        <translation>clock display</translation>
    </message>
    <message>
        <source>時計表示範囲</source>
        <translation>clock display range</translation>
    </message>
    <message>
        <source>未送信</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>背景塗りつぶし</source>
        <translation>background fill</translation>
    </message>
    <message>
        <source>自動ページ切替</source>
        <translation>automatic page switching</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>display mode</translation>
    </message>
    <message>
        <source>装置が拒否</source>
        <translation>refused by the device</translation>
    </message>
    <message>
        <source>送ったコマンドの応答ではない</source>
        <translation>not the answer to the command</translation>
    </message>
    <message>
        <source>長すぎる行</source>
        <translation>line too long</translation>
    </message>
    <message>
        <source>電源投入時のページ</source>
        <translation>power-on page</translation>
    </message>
    <message>
        <source>件の設定がファイルにありませんでした。初期値にしています。</source>
        <translation> settings were missing from the file; they are set to their defaults.</translation>
    </message>
    <message>
        <source>設定ファイルではないため開けません。</source>
        <translation>This is not a settings document and cannot be opened.</translation>
    </message>
    <message>
        <source>全項目を読み込みました。
次の設定は本体に問い合わせできないため、読み込み前の値のままです：
</source>
        <translation>Every setting was read.
The device cannot be asked for the following settings; they keep the values they had before the read:
</translation>
    </message>
    <message>
        <source>時計表示サイズ、表示位置、表示オフセット、ネットワーク設定</source>
        <translation>clock display size, display position, display offset, network settings</translation>
    </message>
    <message>
        <source>時計表示サイズ、表示オフセット、ネットワーク設定</source>
        <translation>clock display size, display offset, network settings</translation>
    </message>
    <message>
        <source>シリアルポートが開いていないため送信できません。インターフェイスの設定でシリアルを選ぶと開き直します。</source>
        <translation>The serial port is not open, so nothing was sent. Choosing serial in the interface settings opens it again.</translation>
    </message>
    <message>
        <source>デバイスが割り当てられていません</source>
        <translation>no device is assigned</translation>
    </message>
    <message>
        <source>機器が接続を切りました。もう一度つなぐには「接続」を押してください。</source>
        <translation>The device closed the connection. Press "Connect" to connect again.</translation>
    </message>
    <message>
        <source>送信先</source>
        <translation>destination</translation>
    </message>
    <message>
        <source>接続中</source>
        <translation>connected</translation>
    </message>
</context>
</TS>
