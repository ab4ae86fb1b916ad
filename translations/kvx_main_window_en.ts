<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>TOpening</name>
    <message>
        <source>表示言語 / Language</source>
        <translation>Language / 表示言語</translation>
    </message>
</context>
</TS>
