<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
</TS>
