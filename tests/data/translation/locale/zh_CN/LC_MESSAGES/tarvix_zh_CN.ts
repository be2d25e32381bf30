<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>rules</name>
    <message>
        <location filename="rules.xml" line="12"/>
        <source>Brute force login attempt</source>
        <translation>暴力破解登录尝试</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Untranslated rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <translation>没有原文</translation>
    </message>
    <message>
        <source>Repeated rule</source>
        <translation>第一条译文</translation>
    </message>
</context>
<context>
    <name>events</name>
    <message>
        <source>Repeated rule</source>
        <translation>第二条译文</translation>
    </message>
    <message>
        <source>File &amp; directory changed</source>
        <comment>integrity check</comment>
        <translation>文件和目录已更改</translation>
    </message>
</context>
</TS>
