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
        <location line="+27"/>
        <source>高速転送（応答を受けたら次を送る）</source>
        <translation>Fast transfer (send the next command as soon as the answer is in)</translation>
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
        <location filename="../src/dialogs/line_setting_dialogs.cpp" line="+173"/>
        <source>点滅</source>
        <translation>Display Blink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示点滅の設定 %1</source>
        <translation>Display Blink Settings %1</translation>
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
    <name>vrq::ColourDialog</name>
    <message>
        <location line="-168"/>
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
        <location line="+4"/>
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
        <location line="+1"/>
        <source>？&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>?             </translation>
    </message>
    <message>
        <location line="+191"/>
        <source>文字色の設定</source>
        <translation>Character and Edge Colour Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字＆縁取り色の設定 %1</source>
        <translation>Character and Edge Colour Settings %1</translation>
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
    <name>vrq::LineSettingDialog</name>
    <message>
        <location line="-192"/>
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
    <name>vrq::SettingDialog</name>
    <message>
        <location filename="../src/dialogs/setting_dialog.cpp" line="+72"/>
        <source>Bloadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <location line="+83"/>
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
        <location filename="../src/dialogs/single_page_dialogs.cpp" line="+23"/>
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
        <translation>Character Blink Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字点滅の設定 %1</source>
        <translation>Character Blink Settings %1</translation>
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
        <translation>Character Colour Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字色の設定 %1</source>
        <translation>Character Colour Settings %1</translation>
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
        <location line="+6"/>
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
        <location line="+4"/>
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
        <location line="+44"/>
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
</TS>
