<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>rules</name>
    <message>
        <source>Brute force login attempt</source>
        <translation>暴力破解登录尝试</translation>
    </message>
    <message>
        <source>Cut short
