<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BulkRuns</name>
    <message>
        <location filename="../src/dialogs/bulk_run_dialogs.cpp" line="+26"/>
        <source>送信先が保持する内容の記録を削除できませんでした。変更分の送信の前に全項目の設定を行ってください。</source>
        <translation>The record of what the destination holds could not be deleted. Send all settings before you next send changes.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>高速転送（応答を受けたら次を送る）</source>
        <translation>Fast transfer (send the next command as soon as the answer is in)</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <location filename="../src/dialogs/colour_names.cpp" line="+10"/>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>シアン</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ブランク</source>
        <translation>Blank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>黒&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Black       </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>赤&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Red         </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>緑&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Green      </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>黄&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Yellow      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>青&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Blue        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>マゼンタ&#x3000;</source>
        <translation>Magenta  </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>シアン&#x3000;&#x3000;</source>
        <translation>Cyan        </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>白&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>White      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ブランク&#x3000;</source>
        <translation>Blank       </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>？&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>?             </translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../src/shell/console_app.cpp" line="+98"/>
        <source>２重に起動はできません</source>
        <translation>The program is already running.</translation>
    </message>
</context>
<context>
    <name>Ctl</name>
    <message>
        <location filename="../src/apps/vrqctl/main.cpp" line="+18"/>
        <source>&apos;%1&apos; という言語はありません。ja か en を指定してください。</source>
        <translation>unknown language &apos;%1&apos;: use ja or en</translation>
    </message>
    <message>
        <location filename="../src/ctl/ctl_options.cpp" line="+19"/>
        <source>使い方: vrqctl [オプション] send LINE | send-all FILE.dat | read-all FILE.dat|DIR
                        | verify FILE.dat | diff A.dat B.dat
                        | export-titles DOC.dat [OUT.csv] | import-titles DOC.dat IN.csv OUT.dat
                        | send-changes NEW.dat --from BASE.dat [--dry-run] [--verify]

  send LINE          コマンドを1行送信し（CR LF を付けます）、応答を表示します
  send-all FILE.dat  設定ファイルのすべての設定を送信します（「全項目の設定」）
  read-all FILE.dat  機器からすべての設定を読み込み、新しい設定ファイルにします
                     （「設定項目の読み込み」）
  read-all DIR       複数の機器のとき: 機器ごとに、機器の名前の設定ファイルを DIR に作ります
  verify FILE.dat    すべての機器を読み込み、設定ファイルと違う設定を一覧にします
  diff A.dat B.dat   2つの設定ファイルで違う設定を一覧にします（機器は使いません）
  export-titles DOC.dat [OUT.csv]
                     DOC のすべてのタイトルを CSV（page,line,title。--single では page,title）にして、
                     BOM 付きの UTF-8 で OUT か標準出力（- または指定なし）に書き出します
                     （「タイトルの書き出し（CSV）」）
  import-titles DOC.dat IN.csv OUT.dat
                     IN の各行のタイトルを DOC に入れて OUT に書き込みます（UTF-8 か CP932。
                     半角の英数字とカナは全角にします）。受け付けられない行が1つでもあれば、
                     何も書き込まず、問題をすべて一覧にします（機器は使いません）
                     （「タイトルの読み込み（CSV）」）
  send-changes NEW.dat --from BASE.dat
                     send-all の手順のうち、NEW が BASE（機器が今持っている設定ファイル:
                     最後に read-all したもの、または最後に送信したもの）と違う手順だけを送信します
                     （「変更分の送信」）
</source>
        <translation>usage: vrqctl [options] send LINE | send-all FILE.dat | read-all FILE.dat|DIR
                        | verify FILE.dat | diff A.dat B.dat
                        | export-titles DOC.dat [OUT.csv] | import-titles DOC.dat IN.csv OUT.dat
                        | send-changes NEW.dat --from BASE.dat [--dry-run] [--verify]

  send LINE          send one command (CR LF is appended) and print the answer
  send-all FILE.dat  send every setting of a settings document (&quot;Send All Settings&quot;, 全項目の設定)
  read-all FILE.dat  read every setting from the device into a new settings document
                     (&quot;Read All Settings&quot;, 設定項目の読み込み)
  read-all DIR       with several devices: one document per device in DIR, named after it
  verify FILE.dat    read every device and list each setting that differs from the document
  diff A.dat B.dat   list the settings in which two documents differ (no device)
  export-titles DOC.dat [OUT.csv]
                     every title of DOC as CSV (page,line,title; --single: page,title),
                     UTF-8 with a byte-order mark, to OUT or standard output (- or none)
                     (&quot;Export Titles (CSV)&quot;, タイトルの書き出し（CSV）)
  import-titles DOC.dat IN.csv OUT.dat
                     DOC with the titles of the rows of IN (UTF-8 or CP932; half-width
                     letters and kana made full-width) written to OUT; nothing is written
                     and every problem is listed when any row is refused (no device)
                     (&quot;Import Titles (CSV)&quot;, タイトルの読み込み（CSV）)
  send-changes NEW.dat --from BASE.dat
                     send only the steps of send-all in which NEW differs from BASE (the
                     document the devices hold: their last read-all, or what was last sent)
                     (&quot;Send Changes&quot;, 変更分の送信)
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>
接続先（複数の機器には --serial と --tcp を繰り返します）:
  --serial PATH            シリアルデバイス（tty または擬似端末）
  --tcp HOST[:PORT]        機器に接続します（ポートの既定は 9004）
  --listen [ADDR:]PORT     機器からの接続を待ちます（サーバー）
オプション:
  --single                 1行表示の機種 VRQ-700S
  --rs485 NN[,NN...]|FF    直前の --serial の RS-485 スレーブアドレス（00〜31）、またはブロードキャスト
  --devices N              --listen: N 台の機器を待ちます（1〜96）
  --wait SECONDS           --listen: 機器を待つ時間（既定 30 秒）
  --period MS              コマンドの間隔（既定: 処理ごとの間隔。0 は --paced）
  --paced                  応答が届いたらすぐに次のコマンドを送信します
  --timeout MS             応答を待つ時間（既定 3000）
  --retries N              正しい応答がないとき、コマンドを N 回（0〜9）まで送り直します（既定 1）
  --keep-partial           read-all: 読み込めなかった設定があっても設定ファイルを書き込みます（終了状態 1）
  --from BASE.dat          send-changes: 機器が今持っている設定ファイル
  --dry-run                send-changes: 送信する手順を一覧にし、何も送信しません（接続先は不要）
  --verify                 send-changes: 送信した設定を読み戻し、違うものを一覧にします（終了状態 1）
  --log FILE               送信、受信、破棄したすべての行を時刻付きで追記します
  --json                   verify、diff、複数の機器のまとめを JSON で出力します
  --lang ja|en             表示の言語（既定: LC_ALL、LC_MESSAGES、LANG の順にロケールから。
                           どれも設定されていなければ日本語）
  -h, --help               この説明
  --version                vrqctl のバージョン
オプションの値は後に続けるか、&apos;=&apos; でつなぎます（--tcp=HOST:PORT）
終了状態: 0 完了、1 機器が拒否した・応答しなかった・違いがあった、2 使い方の誤りかファイルのエラー
</source>
        <translation>
links (repeat --serial and --tcp for several devices):
  --serial PATH            serial device (a tty or pseudo-terminal)
  --tcp HOST[:PORT]        connect to a device (port 9004 by default)
  --listen [ADDR:]PORT     wait for devices to connect (server role)
options:
  --single                 the single-line model VRQ-700S
  --rs485 NN[,NN...]|FF    RS-485 slave address(es) 00..31 on the --serial before it, or broadcast
  --devices N              --listen: wait for N devices (1..96)
  --wait SECONDS           --listen: how long to wait for them (default 30)
  --period MS              time between commands (default: the run&apos;s own period; 0 is --paced)
  --paced                  send the next command as soon as the answer has arrived
  --timeout MS             how long to wait for an answer (default 3000)
  --retries N              send a command again up to N times (0..9) when no valid answer came (default 1)
  --keep-partial           read-all: write the document even when some settings were not read (exit 1)
  --from BASE.dat          send-changes: the document the devices hold now
  --dry-run                send-changes: list the steps it would send, send nothing (no link needed)
  --verify                 send-changes: read back what was sent and list what differs (exit 1)
  --log FILE               append every line sent, received or dropped, with a timestamp
  --json                   verify, diff and the summary of several devices as JSON
  --lang ja|en             language of the messages (default: from the locale, LC_ALL, then
                           LC_MESSAGES, then LANG; Japanese when none is set)
  -h, --help               this text
  --version                the version of vrqctl
an option&apos;s value may follow it or be joined to it with &apos;=&apos; (--tcp=HOST:PORT)
exit status: 0 done, 1 a device refused, did not answer or differs, 2 bad usage or file error
</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>%1 は send-changes でだけ使えます。</source>
        <translation>%1 needs send-changes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>send-changes には --from BASE.dat（機器が今持っている設定ファイル）を指定してください。</source>
        <translation>send-changes needs --from BASE.dat, the document the devices hold now</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--dry-run は何も送信しないため、確かめるものがありません。</source>
        <translation>--dry-run sends nothing to verify</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&apos;export-titles&apos; には設定ファイルと、必要なら CSV ファイルを指定してください。</source>
        <translation>&apos;export-titles&apos; takes a document and an optional CSV file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;import-titles&apos; には設定ファイル、CSV ファイル、書き込む設定ファイルを指定してください。</source>
        <translation>&apos;import-titles&apos; takes a document, a CSV file and the document to write</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>ブロードキャスト（FF）はすべての機器に届きますが、どの機器も応答しません。%1 は設定を問い合わせるため、スレーブアドレスを1つ指定してください。</source>
        <translation>a broadcast (FF) reaches every device and none answers: %1 asks for a setting and needs one slave address</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ブロードキャスト（FF）はすべての機器に届きますが、どの機器も応答しません。%1 にはスレーブアドレスを1つ指定してください。</source>
        <translation>a broadcast (FF) reaches every device and none answers: %1 needs one slave address</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>--serial にはデバイスのパスを指定してください。</source>
        <translation>--serial needs a device path</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--tcp には HOST[:PORT] を指定してください。</source>
        <translation>--tcp needs HOST[:PORT]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--listen には [ADDR:]PORT を指定してください。</source>
        <translation>--listen needs [ADDR:]PORT</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--rs485 には 00〜31 のアドレスか FF を指定してください。</source>
        <translation>--rs485 needs an address 00..31 or FF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--devices には 1〜%1 の台数を指定してください。</source>
        <translation>--devices needs a count 1..%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--wait には秒数を指定してください。</source>
        <translation>--wait needs seconds</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>%1 にはミリ秒を指定してください。</source>
        <translation>%1 needs milliseconds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--retries には 0〜9 の回数を指定してください。</source>
        <translation>--retries needs a count 0..9</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>--from には設定ファイルを指定してください。</source>
        <translation>--from needs a settings document</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>--log にはファイルを指定してください。</source>
        <translation>--log needs a file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>コマンドが指定されていません。</source>
        <translation>no command given</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; には引数を2つ指定してください。</source>
        <translation>&apos;%1&apos; takes exactly two arguments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; には引数を1つ指定してください。</source>
        <translation>&apos;%1&apos; takes exactly one argument</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 というコマンドはありません。</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>接続先が指定されていません（--serial、--tcp、--listen）。</source>
        <translation>no link given (--serial, --tcp or --listen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--rs485 には --serial が必要です。</source>
        <translation>--rs485 needs --serial</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>同じ機器が2回指定されています。</source>
        <translation>a device is named twice</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--devices には --listen が必要です。</source>
        <translation>--devices needs --listen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--listen はほかの接続先と一緒には使えません。--devices N を使ってください。</source>
        <translation>--listen takes no other link; use --devices N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>複数の機器を指定したときは、ブロードキャスト（FF）は使えません。</source>
        <translation>a broadcast (FF) reaches no single device of several</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;send&apos; には機器を1台だけ指定してください。</source>
        <translation>&apos;send&apos; takes one device</translation>
    </message>
    <message>
        <location filename="../src/ctl/device_link.cpp" line="+24"/>
        <source>シリアルデバイス %1 を開けませんでした（%2）。</source>
        <translation>cannot open the serial device %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>シリアルデバイス %1 を開けませんでした（%2）。%3</source>
        <translation>cannot open the serial device %1: %2. %3</translation>
    </message>
    <message>
        <location filename="../src/ctl/device_run.cpp" line="+60"/>
        <source>行末がないまま %1 バイトを超えた応答を捨てました。</source>
        <translation>an answer of more than %1 bytes without a line end was dropped</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ログファイル %1 を開けませんでした。</source>
        <translation>cannot open the log file %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>send-changes: 2つの設定ファイルは同じです。送信するものはありません。</source>
        <translation>send-changes: nothing to send, the documents are the same</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>ログファイル %1 に書き込めませんでした。</source>
        <translation>cannot write the log file %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/device_link.cpp" line="+61"/>
        <source>機器をつなぐ空きがありません。</source>
        <translation>no slot for the device</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>機器が接続してきませんでした。</source>
        <translation>no device connected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1:%2 に接続できませんでした。</source>
        <translation>cannot connect to %1:%2</translation>
    </message>
    <message>
        <location filename="../src/ctl/device_run.cpp" line="+43"/>
        <source>行が長すぎます。</source>
        <translation>the line is too long</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>送信できませんでした。</source>
        <translation>not sent</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>行を届けられませんでした。</source>
        <translation>the line could not be delivered</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>応答がありませんでした。</source>
        <translation>no answer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>正しい応答がありませんでした。届いた応答は壊れているか、別のコマンドへの応答でした。</source>
        <translation>no valid answer: what came was damaged or answered something else</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 を中止しました。機器が GN と応答しました。この機器は複数行の VRQ-700 です。</source>
        <translation>%1 stopped: the device answers GN, it is the multi-line VRQ-700</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 を中止しました。機器が GN と応答しました。この機器は1行の VRQ-700S です。</source>
        <translation>%1 stopped: the device answers GN, it is the single-line VRQ-700S</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 を中止しました。機器がコマンドを拒否しました。
%2</source>
        <translation>%1 stopped: the device refused a command
%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 を中止しました。
%2</source>
        <translation>%1 stopped
%2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1 を中止しました。%n 件のコマンドに続けて応答がありませんでした。
%2</source>
        <translation>
            <numerusform>%1 stopped: %n command in a row went unanswered
%2</numerusform>
            <numerusform>%1 stopped: %n commands in a row went unanswered
%2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 を中止しました。</source>
        <translation>%1 stopped</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>設定ファイル %1 を書き込めませんでした（%2）。</source>
        <translation>cannot write the settings document %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>verify: 読み戻した %n 件の設定が、送信した内容と違います。</source>
        <translation>
            <numerusform>verify: %n setting read back differs from what was sent</numerusform>
            <numerusform>verify: %n settings read back differ from what was sent</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ctl/fleet.cpp" line="+110"/>
        <source>2台の機器が同じ名前 %1 になります。</source>
        <translation>two devices would both be named %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>複数の機器の read-all にはフォルダを指定してください（%1）。</source>
        <translation>read-all of several devices needs a folder: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>フォルダ %1 に書き込めませんでした。</source>
        <translation>cannot write into the folder %1</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>接続してきませんでした。</source>
        <translation>did not connect</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ctl/fleet_report.cpp" line="+57"/>
        <source>%n 件の違い</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message>
        <location line="+107"/>
        <source>2つの設定ファイルは同じです。</source>
        <translation>the documents are the same</translation>
    </message>
    <message>
        <location filename="../src/ctl/run_io.cpp" line="+29"/>
        <source>%1（いいえ）</source>
        <translation>%1 (no)</translation>
    </message>
    <message>
        <location filename="../src/ctl/run_io.h" line="+22"/>
        <source>設定ファイル %1 を読み込めませんでした（%2）。</source>
        <translation>cannot read the settings document %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 には 192.0.2.10 のような IPv4 アドレスを指定してください。</source>
        <translation>%1 needs a dotted IPv4 address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ポート %1 で接続を待てませんでした。</source>
        <translation>cannot listen on port %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ポート %1 で接続を待っています。</source>
        <translation>listening on port %1</translation>
    </message>
    <message>
        <location filename="../src/ctl/send_changes_plan.cpp" line="+30"/>
        <source>送信するものはありません。send-all が送信する設定は、2つの設定ファイルですべて同じです。</source>
        <translation>nothing to send: the documents are the same in every setting send-all sends</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>送信する手順は %n 件、変更された設定は %1 件です:</source>
        <translation>
            <numerusform>%n step to send, %1 changed:</numerusform>
            <numerusform>%n steps to send, %1 changed:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>違う設定:</source>
        <translation>settings that differ:</translation>
    </message>
</context>
<context>
    <name>DeviceSettings</name>
    <message>
        <location filename="../src/protocol/device_commands.h" line="+29"/>
        <source>3秒以上を設定してください。</source>
        <translation>Set 3 seconds or more.</translation>
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
        <location filename="../src/model/safe_file.cpp" line="+54"/>
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
        <source>ファイルを保存できませんでした。
%1</source>
        <translation>The file could not be saved.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
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
    <name>GlyphEditorDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_editor_dialog.cpp" line="+28"/>
        <source>Can&apos;t file open</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t file open</source>
        <translation>No file is open. Use Save As.</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>データを保存せずに新規作成しますか？</source>
        <translation>Start new glyphs without saving the changes?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>データを保存せずに別のファイルを開きますか？</source>
        <translation>Open another file without saving the changes?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>外字ファイルが壊れています。読めない文字は「0」（消灯）として読み込みました。
%1</source>
        <translation>The glyph file is damaged. What could not be read was taken as 0 (dot off).
%1</translation>
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
    <name>MainWindow</name>
    <message>
        <location filename="../src/shell/main_window.cpp" line="+154"/>
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
        <location filename="../src/variants/variant.cpp" line="+17"/>
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
        <location line="+1"/>
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
    <name>Sim</name>
    <message>
        <location filename="../src/apps/vrqsim/main.cpp" line="+20"/>
        <source>使い方: vrqsim [--single] [--link PATH | --tcp-listen PORT | --tcp-connect HOST:PORT]
              [--rs485 NN[,NN...]] [--menu] [--error-at K] [--error-code EN] [--silent]
              [--delay-ms D] [--record FILE]
              [--silent-after K] [--drop-after K] [--garbage K] [--connections N]
              [--wrong-row-at K] [--late-at K] [--late-ms MS] [--damage-every N]
              [--baud N] [--lang ja|en] [--help] [--version]
TCP のオプションがなければ、新しい擬似端末で応答し、そのパスを表示します。
--baud N: N ボー、8E1（1バイト 11 ビット）の回線より速くは送受信しません。
--rs485 05,06,07: 1本の回線に複数のスレーブを置き、それぞれが自分の設定を持ちます。
--lang ja|en: メッセージの言語（既定: LC_ALL、LC_MESSAGES、LANG の順にロケールから。
              どれも設定されていなければ日本語）。
オプションの値は後に続けるか、&apos;=&apos; でつなぎます（--baud=38400）。
</source>
        <translation>usage: vrqsim [--single] [--link PATH | --tcp-listen PORT | --tcp-connect HOST:PORT]
              [--rs485 NN[,NN...]] [--menu] [--error-at K] [--error-code EN] [--silent]
              [--delay-ms D] [--record FILE]
              [--silent-after K] [--drop-after K] [--garbage K] [--connections N]
              [--wrong-row-at K] [--late-at K] [--late-ms MS] [--damage-every N]
              [--baud N] [--lang ja|en] [--help] [--version]
Without a TCP option the device answers on a new pseudo-terminal and prints its path.
--baud N takes and gives bytes no faster than a line of N baud, 8E1 (11 bits a byte).
--rs485 05,06,07 puts several slaves on the one line, each with its own settings.
--lang ja|en: the language of the messages (default: from the locale, LC_ALL, then
              LC_MESSAGES, then LANG; Japanese when none is set).
An option&apos;s value may follow it or be joined to it with &apos;=&apos; (--baud=38400).
</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>引数 %1 が正しくありません。</source>
        <translation>bad argument %1</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>複数のスレーブはシリアル回線でだけ使えます。</source>
        <translation>several slaves need the serial line</translation>
    </message>
    <message>
        <location filename="../src/sim/sim_io.cpp" line="+110"/>
        <source>HOST:PORT の形で指定してください。</source>
        <translation>expected HOST:PORT</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 のアドレスがわかりませんでした。</source>
        <translation>cannot resolve %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>ポート %1 で接続を待てませんでした（%2）。</source>
        <translation>cannot listen on port %1: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 に接続できませんでした（%2）。</source>
        <translation>cannot connect to %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>擬似端末を開けませんでした（%1）。</source>
        <translation>cannot open a pseudo-terminal: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>リンク %1 を作れませんでした（%2）。</source>
        <translation>cannot link %1: %2</translation>
    </message>
</context>
<context>
    <name>TcpClientDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.cpp" line="+192"/>
        <source>Socket 接続 OK</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Socket 切断 OK</source>
        <translation>Disconnected.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.h" line="+26"/>
        <source>Host List は100件までです。不要なアドレスを削除してから追加してください。</source>
        <translation>The Host List holds up to 100 entries. Remove addresses you no longer need, then add.</translation>
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
    <name>TitleCsv</name>
    <message>
        <location filename="../src/ctl/title_csv_run.cpp" line="+17"/>
        <source>%1 に書き込めません：%2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>設定ファイル %1 を読み込めません：%2</source>
        <translation>cannot read the settings document %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 には %3 件中 %2 件の設定がありません。初期値を使います</source>
        <translation>%1 lacks %2 of %3 settings; they are taken at their defaults</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>タイトルを標準出力に書き出せません</source>
        <translation>cannot write the titles to standard output</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 を読み込めません：%2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n件の問題があるため、何も書き込みませんでした</source>
        <translation>
            <numerusform>%n problem; nothing written</numerusform>
            <numerusform>%n problems; nothing written</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/protocol/title_csv_texts.cpp" line="+30"/>
        <source>UTF-8またはシフトJISのテキストではありません</source>
        <translation>not a text file in UTF-8 or CP932</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>見出しの行（%1）がありません</source>
        <translation>the header row (%1) is missing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>別の機種の見出しです（%1）</source>
        <translation>the header is the other model&apos;s (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「&quot;」で始まるセルが閉じていません</source>
        <translation>a quoted cell is not closed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>セルが足りません</source>
        <translation>a cell is missing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>タイトルの後にもセルがあります（「,」を含むタイトルは「&quot;」で囲みます）</source>
        <translation>a cell after the title (a title holding a comma goes in double quotes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「%1」は数字ではありません</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ページ%1は1～512の範囲にありません</source>
        <translation>page %1 is not 1..512</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ライン%1は1～10の範囲にありません</source>
        <translation>line %1 is not 1..10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1行目と同じタイトルです</source>
        <translation>the same title as row %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイトルに改行があります</source>
        <translation>a line break in a title</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>「%1」（%2）はシフトJISにない文字です</source>
        <translation>&apos;%1&apos; (%2) has no Shift-JIS code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>「%1」（%2）は機器が表示できない文字です</source>
        <translation>&apos;%1&apos; (%2) is not a character the device shows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイトルは%1文字までです</source>
        <translation>longer than %1 characters</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>ほかに%n件の問題があります</source>
        <translation>
            <numerusform>and %n more problem</numerusform>
            <numerusform>and %n more problems</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1行目・%2列目：%3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1行目：%2</source>
        <translation>row %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>シフトJIS（CP932）</source>
        <translation>CP932 (Shift-JIS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTF-8（BOM付き）</source>
        <translation>UTF-8 with byte-order mark</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location filename="../src/shell/title_csv_commands.cpp" line="+20"/>
        <source>CSV(*.csv);;すべて(*.*)</source>
        <translation>CSV (*.csv);;All Files (*.*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>タイトルの読み込み（CSV）</source>
        <translation>Import Titles (CSV)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>タイトルの書き出し（CSV）</source>
        <translation>Export Titles (CSV)</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
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
<context>
    <name>vrq::AlarmDialog</name>
    <message>
        <location filename="../src/dialogs/alarm_dialog.cpp" line="+13"/>
        <source>アラームの設定</source>
        <translation>Alarm Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>アラームの設定 %1</source>
        <translation>Alarm Settings %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>モード</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>保持時間</source>
        <translation>Hold time</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>入力極性</source>
        <translation>Input polarity</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>リターン</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コネクター番号割り付け</source>
        <translation>Connector assignment</translation>
    </message>
</context>
<context>
    <name>vrq::AutoSwitchDialog</name>
    <message>
        <location filename="../src/dialogs/page_setting_dialogs.cpp" line="+26"/>
        <source>自動切換えの設定</source>
        <translation>Auto Switching Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>自動切換えの設定 %1</source>
        <translation>Auto Switching Settings %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時間（秒）</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>同時間（秒）</source>
        <translation>Same time on all pages (s)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 = %2 秒</source>
        <translation>%1 = %2 s</translation>
    </message>
</context>
<context>
    <name>vrq::BlinkDialog</name>
    <message>
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="+153"/>
        <source>点滅</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示点滅の設定 %1</source>
        <translation>Blinking Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>点滅ON/OFF</source>
        <translation>Blink ON/OFF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ページ同設定</source>
        <translation>Same for all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同設定</source>
        <translation>Same for all lines</translation>
    </message>
</context>
<context>
    <name>vrq::CharLevelDialog</name>
    <message>
        <location filename="../src/dialogs/page_setting_dialogs.cpp" line="+53"/>
        <source>文字レベルの設定</source>
        <translation>Character Level Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>文字レベルの設定 %1</source>
        <translation>Character Level Settings %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字白レベル</source>
        <translation>Character white level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>同文字白レベル</source>
        <translation>Same white level on all pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字黒レベル</source>
        <translation>Character black level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>同文字黒レベル</source>
        <translation>Same black level on all pages</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
</context>
<context>
    <name>vrq::CharSizeDialog</name>
    <message>
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="+15"/>
        <source>文字サイズ</source>
        <translation>Character Size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字サイズの設定 %1</source>
        <translation>Character Size Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ページ同サイズ</source>
        <translation>Same size on all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同サイズ</source>
        <translation>Same size on all lines</translation>
    </message>
</context>
<context>
    <name>vrq::ClientServerDialog</name>
    <message>
        <location filename="../src/dialogs/client_server_dialog.cpp" line="+15"/>
        <source>クライアント/サーバー</source>
        <translation>Client/Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>選択</source>
        <translation>Role</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::ColourDialog</name>
    <message>
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="+36"/>
        <source>文字色の設定</source>
        <translation>Character &amp; Edge Colour Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字＆縁取り色の設定 %1</source>
        <translation>Character &amp; Edge Colour Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字色</source>
        <translation>Character colour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ページ同文字色</source>
        <translation>Same character colour on all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同文字色</source>
        <translation>Same character colour on all lines</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>縁取り色</source>
        <translation>Edge colour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ページ同縁取り色</source>
        <translation>Same edge colour on all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同縁取り色</source>
        <translation>Same edge colour on all lines</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>文字色&#x3000;&#x3000;縁取り色</source>
        <translation>Character Edge</translation>
    </message>
</context>
<context>
    <name>vrq::DateTimeDialog</name>
    <message>
        <location filename="../src/dialogs/date_time_dialog.cpp" line="+16"/>
        <source>年月日時分秒</source>
        <translation>Y M D h m s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>年月日時分&#x3000;</source>
        <translation>Y M D h m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>年月日&#x3000;&#x3000;&#x3000;</source>
        <translation>Y M D</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&#x3000;月日時分秒</source>
        <translation>M D h m s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&#x3000;月日時分&#x3000;</source>
        <translation>M D h m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&#x3000;月日&#x3000;&#x3000;&#x3000;</source>
        <translation>M D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&#x3000;&#x3000;&#x3000;時分秒</source>
        <translation>h m s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&#x3000;&#x3000;&#x3000;時分&#x3000;</source>
        <translation>h m</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>日付＆時刻の設定</source>
        <translation>Date and Time Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>日付，時刻の設定 %1</source>
        <translation>Date and Time Settings %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>年</source>
        <translation>Year</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時</source>
        <translation>Hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>分</source>
        <translation>Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>秒</source>
        <translation>Second</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>表示範囲</source>
        <translation>Display range</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>表示サイズ</source>
        <translation>Display size</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>30秒補正</source>
        <translation>30-second adjustment</translation>
    </message>
</context>
<context>
    <name>vrq::DeviceSettingDialog</name>
    <message>
        <location filename="../src/dialogs/device_setting_dialog.cpp" line="+32"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::DisplayPageDialog</name>
    <message>
        <location filename="../src/dialogs/page_setting_dialogs.cpp" line="-97"/>
        <source>表示ページ</source>
        <translation>Display Page</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>表示ページの設定 %1</source>
        <translation>Display Page Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>表示ON/OFF</source>
        <translation>Display ON/OFF</translation>
    </message>
</context>
<context>
    <name>vrq::FillDialog</name>
    <message>
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="+5"/>
        <source>背景色ベタ塗りの設定</source>
        <translation>Background Fill Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>背景色ベタ塗りの設定 %1</source>
        <translation>Background Fill Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>背景色ベタ塗り</source>
        <translation>Background fill</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ページ同設定</source>
        <translation>Same for all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同設定</source>
        <translation>Same for all lines</translation>
    </message>
</context>
<context>
    <name>vrq::GlyphEditorDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_editor_dialog.cpp" line="-112"/>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>登録番号</source>
        <translation>Glyph Number</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+14"/>
        <source>リード</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>サンプル</source>
        <translation>Sample Character</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1;;すべて(*.*)</source>
        <translation>%1;;All Files (*.*)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>ファイルのオープン</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ファイルの保存</source>
        <translation>Save File</translation>
    </message>
</context>
<context>
    <name>vrq::GlyphInsertDialog</name>
    <message>
        <location filename="../src/glyph_ui/glyph_insert_dialog.cpp" line="+26"/>
        <source>外字挿入</source>
        <translation>Insert User Glyph</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>外字挿入の設定 </source>
        <translation>Insert User Glyph </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント サイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外字登録番号</source>
        <translation>Glyph number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>挿入位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::InterfaceDialog</name>
    <message>
        <location filename="../src/dialogs/interface_dialog.cpp" line="+31"/>
        <source>インターフェイスの設定</source>
        <translation>Interface Settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>vrq::LineSettingDialog</name>
    <message>
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="-192"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>ライン設定</source>
        <translation>Set Line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ページ設定</source>
        <translation>Set Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
</context>
<context>
    <name>vrq::LineSpacingDialog</name>
    <message>
        <location line="+92"/>
        <location line="+2"/>
        <source>行間</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>表示行間の設定 %1</source>
        <translation>Line Spacing Settings %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全ページ同行間</source>
        <translation>Same spacing on all pages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全ライン同行間</source>
        <translation>Same spacing on all lines</translation>
    </message>
</context>
<context>
    <name>vrq::OtherDialog</name>
    <message>
        <location filename="../src/dialogs/other_dialog.cpp" line="+7"/>
        <source>その他</source>
        <translation>Other Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>その他の設定 %1</source>
        <translation>Other Settings %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コネクター入力</source>
        <translation>Connector input</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>電源投入時ページ</source>
        <translation>Page at power-on</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ビデオロス背景色</source>
        <translation>Background on video loss</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoomフォント</source>
        <translation>Zoom font</translation>
    </message>
</context>
<context>
    <name>vrq::ProtocolDialog</name>
    <message>
        <location filename="../src/dialogs/protocol_dialog.cpp" line="+31"/>
        <source>プロトコル</source>
        <translation>Protocol Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>プロトコルの設定 %1</source>
        <translation>Protocol Settings %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gateway Address</source>
        <translation>Gateway Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Address</source>
        <translation>Active Address</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MAC Address</source>
        <translation>MAC Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読み込み</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Connection Try</source>
        <translation>Retry Connecting</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Alive</source>
        <translation>Keep Alive</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time Register</source>
        <translation>Timer Value</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Version Number</source>
        <translation>Version Number</translation>
    </message>
</context>
<context>
    <name>vrq::ReadAllDialog</name>
    <message>
        <location filename="../src/dialogs/bulk_run_dialogs.cpp" line="+11"/>
        <source>設定項目の読み込み</source>
        <translation>Read All Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>設定項目の読み込み%1</source>
        <translation>Read All Settings %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>読み込み</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>全項目を読み込みました。
次の設定は本体に問い合わせできないため、読み込み前の値のままです：
%1</source>
        <translation>Every setting was read.
The device cannot be asked for the following settings, so they keep the values they had before the read:
%1</translation>
    </message>
</context>
<context>
    <name>vrq::RemoteDialog</name>
    <message>
        <location filename="../src/dialogs/remote_dialog.cpp" line="+8"/>
        <source>リモートの設定</source>
        <translation>Remote Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>リモートの設定 %1</source>
        <translation>Remote Settings %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コネクター番号割り付け</source>
        <translation>Connector assignment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>モード</source>
        <translation>Mode</translation>
    </message>
</context>
<context>
    <name>vrq::ScheduleDialog</name>
    <message>
        <location filename="../src/dialogs/page_setting_dialogs.cpp" line="+109"/>
        <source>スケジュール</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>スケジュールの設定 %1</source>
        <translation>Schedule Settings %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>時 分 ページ&#x3000;&#x3000; &#x3000;&#x3000;時 分 ページ&#x3000;&#x3000;&#x3000;&#x3000;時 分 ページ</source>
        <translation>h m  page                         h m  page                        h m  page</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パターン番号</source>
        <translation>Entry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時</source>
        <translation>Hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>分</source>
        <translation>Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日OFF</source>
        <translation>Clear Day</translation>
    </message>
</context>
<context>
    <name>vrq::SendAllDialog</name>
    <message>
        <location filename="../src/dialogs/bulk_run_dialogs.cpp" line="+24"/>
        <source>全項目の設定</source>
        <translation>Send All Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全項目の設定%1</source>
        <translation>Send All Settings %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>vrq::SendChangesDialog</name>
    <message numerus="yes">
        <location filename="../src/dialogs/send_changes_dialog.cpp" line="+35"/>
        <source>ほか %n 件</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>変更分の送信</source>
        <translation>Send Changes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>変更分の送信%1</source>
        <translation>Send Changes %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>送信後に読み戻して確認する</source>
        <translation>Read back and check after sending</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>基準ファイルを選ぶ</source>
        <translation>Choose Base File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全項目を送信</source>
        <translation>Send Everything</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>送信</source>
        <translation>Send</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>基準にする設定ファイル</source>
        <translation>Settings File to Use as the Base</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>この送信先には、このプログラムで送信または読み込みに成功した設定がありません。基準にする設定ファイルを選ぶか、全項目を送信してください。</source>
        <translation>This program has not yet sent settings to this destination or read them from it successfully. Choose a settings file as the base, or send everything.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>基準は選んだ設定ファイルです。</source>
        <translation>The base is the settings file you chose.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>基準から変更された設定はありません。</source>
        <translation>No setting has changed since the base.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>変更 %n 件（送信 %1 件）:</source>
        <translation>
            <numerusform>%n setting changed (steps to send: %1):</numerusform>
            <numerusform>%n settings changed (steps to send: %1):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>送信した %n 件を読み戻し、すべて一致しました。</source>
        <translation>
            <numerusform>The %n setting sent was read back and matches.</numerusform>
            <numerusform>The %n settings sent were read back and all match.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>読み戻した %n 件が送信した内容と異なります。%1</source>
        <translation>
            <numerusform>%n setting read back differs from what was sent.%1</numerusform>
            <numerusform>%n settings read back differ from what was sent.%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vrq::SerialSettingsDialog</name>
    <message>
        <location filename="../src/dialogs/serial_settings_dialog.cpp" line="+45"/>
        <source>RS-232C/485の設定</source>
        <translation>RS-232C/485 Settings</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コム ポート</source>
        <translation>COM Port</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>接続先のデバイス</source>
        <translation>Available Devices</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>デバイス</source>
        <translation>Device</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>メーカー</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>シリアル番号</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>更新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+86"/>
        <source>%1 に割り当て</source>
        <translation>Assign to %1</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>コントロール</source>
        <translation>Line Mode</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>割り当て</source>
        <translation>Assign</translation>
    </message>
</context>
<context>
    <name>vrq::SettingDialog</name>
    <message>
        <location filename="../src/dialogs/setting_dialog.cpp" line="+84"/>
        <source>Bloadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>スレーブアドレス</source>
        <translation>Slave address</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>経過 %1&#x3000;&#x3000;残り 約 %2</source>
        <translation>Elapsed %1    About %2 left</translation>
    </message>
</context>
<context>
    <name>vrq::SinglePageDialog</name>
    <message>
        <location filename="../src/dialogs/single_page_dialogs.cpp" line="+24"/>
        <source>自動切換えの設定</source>
        <translation>Auto Switching Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自動切換えの設定 %1</source>
        <translation>Auto Switching Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>点滅表示の設定</source>
        <translation>Blinking Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字点滅の設定 %1</source>
        <translation>Blinking Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表示位置オフセット</source>
        <translation>Display Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示位置オフセットの設定 %1</source>
        <translation>Display Offset Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>表示位置の設定</source>
        <translation>Display Position Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示位置の設定 %1</source>
        <translation>Display Position Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>背景色ベタ塗りの設定</source>
        <translation>Background Fill Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>背景色ベタ塗りの設定 %1</source>
        <translation>Background Fill Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文字色の設定</source>
        <translation>Character &amp; Edge Colour Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字色の設定 %1</source>
        <translation>Character &amp; Edge Colour Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文字サイズの設定</source>
        <translation>Character Size Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字サイズの設定 %1</source>
        <translation>Character Size Settings %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>スクロール速度の設定</source>
        <translation>Scroll Speed Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スクロール速度の設定 %1</source>
        <translation>Scroll Speed Settings %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>設定</source>
        <comment>value label</comment>
        <translation>Setting</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>同設定</source>
        <translation>Same for all pages</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>文字色</source>
        <translation>Character colour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>文字色同設定</source>
        <translation>Same character colour on all pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>縁取り色</source>
        <translation>Edge colour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>縁取り色同設定</source>
        <translation>Same edge colour on all pages</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>文字色&#x3000;&#x3000;縁取り色</source>
        <translation>Character Edge</translation>
    </message>
</context>
<context>
    <name>vrq::SlaveAddressDialog</name>
    <message>
        <location filename="../src/dialogs/slave_address_dialog.cpp" line="+19"/>
        <source>機器のスレーブアドレス</source>
        <translation>Device Slave Address</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>スレーブアドレスの設定 %1</source>
        <translation>Slave Address Settings %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>スレーブアドレス</source>
        <translation>Slave Address</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bloadcast</source>
        <translation>Broadcast</translation>
    </message>
</context>
<context>
    <name>vrq::TcpClientDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_client_dialog.cpp" line="-140"/>
        <source>TCP/IPの設定(Client)</source>
        <translation>TCP/IP Settings (Client)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Host IP Address</source>
        <translation>Host IP Address</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Host List</source>
        <translation>Host List</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>設定</source>
        <comment>button</comment>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接続</source>
        <comment>button</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>切断</source>
        <comment>button</comment>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>vrq::TcpServerDialog</name>
    <message>
        <location filename="../src/dialogs/tcp_server_dialog.cpp" line="+33"/>
        <source>送信先</source>
        <translation>destination</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>接続中</source>
        <translation>connected</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TCP/IPの設定(Server)</source>
        <translation>TCP/IP Settings (Server)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission place</source>
        <translation>Destination</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Client List</source>
        <translation>Client List</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>接続</source>
        <comment>button</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>切断</source>
        <comment>button</comment>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>vrq::TitleCsvProblemsDialog</name>
    <message>
        <location filename="../src/dialogs/title_csv_dialog.cpp" line="+16"/>
        <source>タイトルの読み込み（CSV）</source>
        <translation>Import Titles (CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>次の問題があるため読み込みませんでした。タイトルは変わっていません。
%1</source>
        <translation>The file was not imported because of the problems below. The titles are unchanged.
%1</translation>
    </message>
</context>
<context>
    <name>vrq::TitleEditor</name>
    <message>
        <location filename="../src/dialogs/title_editor.cpp" line="+46"/>
        <source>「%1」は半角文字のため、タイトルに使えません。全角で入力してください</source>
        <translation>&quot;%1&quot; cannot be used in a title: it is a half-width character. Type it full-width</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「%1」はJISコードのない文字のため、タイトルに使えません</source>
        <translation>&quot;%1&quot; cannot be used in a title: it has no JIS code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「%1」（JIS %2）は機器が受け付けない文字のため、タイトルに使えません</source>
        <translation>&quot;%1&quot; (JIS %2) cannot be used in a title: the device does not take it</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>タイトルの設定</source>
        <translation>Title Settings</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>タイトルの設定 </source>
        <translation>Title Settings </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ライン</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>ライン設定</source>
        <translation>Set Line</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ページ設定</source>
        <translation>Set Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全設定</source>
        <translation>Set All</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>「%1」はシフトJISにない文字のため、タイトルに使えません</source>
        <translation>&quot;%1&quot; cannot be used in a title: it is not in Shift-JIS</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>タイトルは%1バイトまでです</source>
        <translation>A title holds at most %1 bytes</translation>
    </message>
</context>
<context>
    <name>vrq::TrafficMonitor</name>
    <message>
        <location filename="../src/dialogs/traffic_monitor.cpp" line="+30"/>
        <source>送信</source>
        <comment>direction</comment>
        <translation>Sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>受信</source>
        <comment>direction</comment>
        <translation>Received</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>破棄</source>
        <comment>direction</comment>
        <translation>Dropped</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接続</source>
        <comment>direction</comment>
        <translation>Event</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>… (%n バイト)</source>
        <translation>
            <numerusform>… (%n byte)</numerusform>
            <numerusform>… (%n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+65"/>
        <source>通信モニタ</source>
        <translation>Traffic Monitor</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>絞り込み</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>名前を付けて保存...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>絞り込み:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ｽﾛｯﾄ%1 %2</source>
        <translation>Slot %1 %2</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>%1 / %2 %3</source>
        <translation>%1 / %2 %3</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>表示 %n 行</source>
        <translation>
            <numerusform>Showing %n line</numerusform>
            <numerusform>Showing %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>記録 %n 行</source>
        <translation>
            <numerusform>%n line recorded</numerusform>
            <numerusform>%n lines recorded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>(最大 %n 行)</source>
        <translation>
            <numerusform>(at most %n line)</numerusform>
            <numerusform>(at most %n lines)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>テキスト (*.txt *.log);;すべてのファイル (*)</source>
        <translation>Text (*.txt *.log);;All Files (*)</translation>
    </message>
</context>
</TS>
