<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>rules</name>
    <message>
        <source>Brute force login attempt</source>
        <translation>暴力破解登錄嘗試</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
</context>
</TS>
