<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DeviceSettings</name>
    <message>
        <location filename="../src/protocol/device_commands.h" line="+29"/>
        <source>3秒以上を設定してください。</source>
        <translation>Set 3 seconds or more.</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../src/model/field_text.h" line="+17"/>
        <source>IPアドレスは0～255の数字4つを「.」で区切って入力してください。</source>
        <translation>Enter the IP address as four numbers from 0 to 255 separated by &quot;.&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ポート番号は1～65535の数字で入力してください。</source>
        <translation>Enter the port number as a number from 1 to 65535.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/model/safe_file.cpp" line="+44"/>
        <source>ファイルを開けません。
%1</source>
        <translation>Cannot open the file.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>通常のファイルではないため保存できません。
%1</source>
        <translation>Cannot save: not a regular file.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>通常のファイルではないため開けません。
%1</source>
        <translation>Cannot open: not a regular file.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ファイルが大きすぎるため開けません。
%1</source>
        <translation>Cannot open: the file is too large.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイルを読み込めません。
%1</source>
        <translation>Cannot read the file.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ファイルを保存できませんでした。元のファイルはそのままです。
%1</source>
        <translation>The file could not be saved. The original file is unchanged.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>別の機種の設定ファイルのため開けません。
%1</source>
        <translation>Cannot open: this is a settings file of the other model.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>この機種の設定ファイルより長いため開けません。
%1</source>
        <translation>Cannot open: the file is longer than a settings file of this model.
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>設定ファイルではないため開けません。
%1</source>
        <translation>Cannot open: this is not a settings file.
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1
(%2)</source>
        <translation>%1
(%2)</translation>
    </message>
</context>
<context>
    <name>Glyphs</name>
    <message>
        <location filename="../src/glyphs/glyph_pattern.cpp" line="+8"/>
        <source>データ(*.txl)</source>
        <translation>Data (*.txl)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録設定（大文字）</source>
        <translation>User Glyphs (Large)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>外字登録（大文字）の設定 </source>
        <translation>User Glyphs (Large) </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>データ(*.txm)</source>
        <translation>Data (*.txm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録（中文字）の設定</source>
        <translation>User Glyphs (Medium)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>外字登録（中文字）の設定 </source>
        <translation>User Glyphs (Medium) </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>データ(*.txs)</source>
        <translation>Data (*.txs)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録（小文字）の設定</source>
        <translation>User Glyphs (Small)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>外字登録（小文字）の設定 </source>
        <translation>User Glyphs (Small) </translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <location filename="../src/model/message.h" line="+29"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
</source>
        <translation>
</translation>
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
        <location filename="../src/shell/message_box_notifier.cpp" line="+61"/>
        <source>（%1回）</source>
        <translation> (%1 times)</translation>
    </message>
</context>
<context>
    <name>Replies</name>
    <message>
        <location filename="../src/protocol/reply_dispatch.cpp" line="+180"/>
        <source>Socket ＯＫ</source>
        <translation>Socket OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Menu Display</source>
        <translation>Menu Display</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Socket mode difference</source>
        <translation>Socket mode difference</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mode Difference</source>
        <translation>Mode Difference</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Socket Framing</source>
        <translation>Socket Framing</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Framing Error</source>
        <translation>Framing Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parity Error</source>
        <translation>Parity Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Socket Over run</source>
        <translation>Socket Overrun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Over Run Error</source>
        <translation>Overrun Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Socket Command</source>
        <translation>Socket Command</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Command Error</source>
        <translation>Command Error</translation>
    </message>
    <message>
        <location filename="../src/protocol/reply_dispatch.h" line="+35"/>
        <source>外字パターンの応答が壊れていたため、読み込みませんでした。</source>
        <translation>The glyph pattern in the answer was damaged, so it was not loaded.</translation>
    </message>
    <message>
        <location filename="../src/protocol/reply_parser.cpp" line="+95"/>
        <source>No Connect</source>
        <translation>No Connection</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Success</source>
        <translation>Success</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <location filename="../src/protocol/bulk_runs.cpp" line="+211"/>
        <source>タイトル</source>
        <translation>titles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字色と縁取り色</source>
        <translation>character and edge colours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ブリンク</source>
        <translation>blink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字サイズ</source>
        <translation>character size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>背景塗りつぶし</source>
        <translation>background fill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示行間</source>
        <translation>line spacing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スケジュール</source>
        <translation>schedule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アラームのコネクター番号割り付け</source>
        <translation>alarm connector assignment</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>アラーム表示</source>
        <translation>alarm display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アラーム保持時間</source>
        <translation>alarm hold time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アラームモード</source>
        <translation>alarm mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アラーム極性</source>
        <translation>alarm polarity</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>アラーム復帰</source>
        <translation>alarm return</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>拡大フォント</source>
        <translation>zoom font</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>コネクター入力</source>
        <translation>connector input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字レベル</source>
        <translation>character levels</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>自動ページ切替</source>
        <translation>automatic page switching</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>電源投入時のページ</source>
        <translation>power-on page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>リモートのコネクター番号割り付け</source>
        <translation>remote connector assignment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>リモートモード</source>
        <translation>remote mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>時計表示</source>
        <translation>clock display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時計表示範囲</source>
        <translation>clock display range</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>映像断時の背景色</source>
        <translation>background on video loss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>バージョン</source>
        <translation>version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示モード</source>
        <translation>display mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+60"/>
        <source>表示オフセット</source>
        <translation>display offset</translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+58"/>
        <source>表示位置</source>
        <translation>display position</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>スクロール速度</source>
        <translation>scroll speed</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ページ %1 %2</source>
        <translation>%2 of page %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>スケジュール %1日</source>
        <translation>schedule of day %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>時計表示サイズ</source>
        <translation>clock display size</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ネットワーク設定</source>
        <translation>network settings</translation>
    </message>
    <message>
        <location filename="../src/protocol/run_tally.cpp" line="+26"/>
        <source>未送信</source>
        <translation>not sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>応答あり</source>
        <translation>answered</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>装置が拒否</source>
        <translation>refused by the device</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>応答なし</source>
        <translation>no answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>壊れた応答</source>
        <translation>damaged answer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ページ %1</source>
        <translation>page %1</translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <source>%n件の設定を読み込めませんでした。</source>
        <translation>
            <numerusform>%n setting was not read.</numerusform>
            <numerusform>%n settings were not read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n件の設定を送信できませんでした。</source>
        <translation>
            <numerusform>%n setting was not sent.</numerusform>
            <numerusform>%n settings were not sent.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>ほか %n 件</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/protocol/run_target.h" line="+13"/>
        <source>ブロードキャストからは読み込めません。スレーブアドレスを選んでください。</source>
        <translation>Nothing can be read from a broadcast. Choose a slave address.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>転送中は送信先を変更できません。</source>
        <translation>The destination cannot be changed during a transfer.</translation>
    </message>
    <message>
        <location filename="../src/protocol/send_changes.cpp" line="+109"/>
        <source>%1（タイトルに伴う）</source>
        <translation>%1 (with the titles)</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/protocol/send_sequencer.cpp" line="+69"/>
        <source>装置から応答がありません。%n件のコマンドに続けて応答がなかったため、中止しました。</source>
        <translation>
            <numerusform>No answer from the device. %n command went unanswered, so the run was stopped.</numerusform>
            <numerusform>No answer from the device. %n commands in a row went unanswered, so the run was stopped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <location filename="../src/link/device_access.cpp" line="+14"/>
        <source>このデバイスを使う権限がありません。ユーザーをこのデバイスを所有するグループに加え、ログインし直してください。</source>
        <translation>You have no permission to use this device. Add the user to the group that owns the device, then log in again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>このデバイスを使う権限がありません。ユーザーをグループ「%1」に加え、ログインし直してください。</source>
        <translation>You have no permission to use this device. Add the user to the group &quot;%1&quot;, then log in again.</translation>
    </message>
    <message>
        <location filename="../src/link/serial_link.cpp" line="+61"/>
        <source>Miss! File Open
%1: %2
%3</source>
        <translation>Cannot open the serial port
%1: %2
%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Miss! File Open
%1: %2</source>
        <translation>Cannot open the serial port
%1: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>デバイスが割り当てられていません</source>
        <translation>no device is assigned</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Miss! Set Comm State</source>
        <translation>Cannot apply the serial line settings</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>シリアルポート %1 が使えなくなりました。つなぎ直してから、インターフェイスの設定でシリアルを選び直してください。</source>
        <translation>Serial port %1 is no longer available. Plug it in again, then choose serial again in Interface Settings.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>No Connect</source>
        <translation>No Connection</translation>
    </message>
    <message>
        <location filename="../src/link/serial_link.h" line="+24"/>
        <source>シリアルポートへ送信できませんでした。</source>
        <translation>Could not send to the serial port.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>シリアルポートが開いていないため送信できません。インターフェイスの設定でシリアルを選ぶと開き直します。</source>
        <translation>The serial port is not open, so nothing was sent. Choosing serial in Interface Settings opens it again.</translation>
    </message>
</context>
<context>
    <name>TcpLink</name>
    <message>
        <location filename="../src/link/tcp_link.cpp" line="+157"/>
        <source>WINSOCK.DLLの accept() からのエラー。[%1]</source>
        <translation>Error from accept() of the socket library. [%1]</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>WINSOCK.DLLの listen() からのエラー。[%1]</source>
        <translation>Error from listen() of the socket library. [%1]</translation>
    </message>
    <message>
        <location filename="../src/link/tcp_link.h" line="+28"/>
        <source>Socket 送信</source>
        <translation>Socket send</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer が､きません</source>
        <translation>No answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接続できません</source>
        <translation>Cannot connect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bindできません</source>
        <translation>Cannot bind</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ソケットイベントにエラーが発生しました。</source>
        <translation>An error occurred on a socket event.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>送信先の機器が接続を切りました。TCP/IP設定で送信先を選び直してください。</source>
        <translation>The destination device closed the connection. Choose the destination again in TCP/IP Settings.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機器が接続を切りました。もう一度つなぐには「接続」を押してください。</source>
        <translation>The device closed the connection. Press &quot;Connect&quot; to connect again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>listen_address に指定されたアドレスが正しくありません。すべてのアドレスで待ち受けます。</source>
        <translation>The address given as listen_address is not valid. Listening on every address.</translation>
    </message>
    <message>
        <location filename="../src/protocol/send_path.h" line="+13"/>
        <source>Socket が接続されていません</source>
        <translation>Socket is not connected</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message numerus="yes">
        <location filename="../src/protocol/title_encode.cpp" line="+160"/>
        <source>%nか所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。</source>
        <translation>
            <numerusform>Titles in %n place hold characters the device does not take. Correct them in Title Settings.</numerusform>
            <numerusform>Titles in %n places hold characters the device does not take. Correct them in Title Settings.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ページ %1：JIS %2</source>
        <translation>Page %1: JIS %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ページ %1：JISコードのない文字（%2）</source>
        <translation>Page %1: a character without a JIS code (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ページ %1 ライン %2：JIS %3</source>
        <translation>Page %1 line %2: JIS %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ページ %1 ライン %2：JISコードのない文字（%3）</source>
        <translation>Page %1 line %2: a character without a JIS code (%3)</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>ほか%nか所</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/protocol/title_encode.h" line="+18"/>
        <source>ＪＩＳ第１水準,第２水準以外の字が選択されてます</source>
        <translation>A character outside JIS level 1 and level 2 was chosen</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <location filename="../src/protocol/traffic_log.cpp" line="+104"/>
        <source>応答を待つコマンドなし</source>
        <translation>no command awaits an answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他のアドレスの応答</source>
        <translation>answer from another address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>送ったコマンドの応答ではない</source>
        <translation>not the answer to the command</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>壊れた応答</source>
        <translation>damaged answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイムアウト後に届いた応答</source>
        <translation>late answer, after a timeout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>応答の後に届いた</source>
        <translation>behind the answer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>長すぎる行</source>
        <translation>line too long</translation>
    </message>
    <message>
        <location filename="../src/protocol/traffic_log.h" line="+73"/>
        <source>接続しました</source>
        <translation>connected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接続が切れました</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接続数が上限のため切断しました</source>
        <translation>disconnected: too many connections</translation>
    </message>
</context>
<context>
    <name>ValueRanges</name>
    <message>
        <location filename="../src/model/value_ranges.cpp" line="+91"/>
        <source>文字サイズ</source>
        <translation>Character size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示行間</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示オフセット</source>
        <translation>Display offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>点滅</source>
        <translation>Blink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字＆縁取り色</source>
        <translation>Character and edge colour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>背景色ベタ塗り</source>
        <translation>Background fill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自動切換え</source>
        <translation>Auto switching</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字レベル</source>
        <translation>Character level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示位置</source>
        <translation>Display position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スクロール速度</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スケジュール</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日付，時刻</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アラーム</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>リモート</source>
        <translation>Remote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>プロトコル</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ファイルに範囲外の値がありました。送信される値に直して表示します。
%1</source>
        <translation>The file held values out of range. They are shown as the values that will be sent:
%1</translation>
    </message>
</context>
</TS>
