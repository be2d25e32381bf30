<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>lumo::KAboutDialog</name>
    <message>
        <source>This application uses the information it shows only on this computer. It does not send your personal data to anyone.</source>
        <translation>本应用只在本机上使用其显示的信息，不会向任何人发送您的个人数据。</translation>
    </message>
    <message>
        <source>Service &amp; Support: </source>
        <translation>服务与支持：</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>隐私声明</translation>
    </message>
    <message>
        <source>Version number not found</source>
        <translation>未找到版本号</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Unable to open mail application</source>
        <translation>无法打开邮件应用</translation>
    </message>
    <message>
        <source>Your system does not have any email application installed or the default mail application is not set up.</source>
        <translation>您的系统未安装任何电子邮件应用，或未设置默认邮件应用。</translation>
    </message>
</context>
<context>
    <name>lumo::KMenuButton</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
</context>
<context>
    <name>lumo::KWindowButtonBar</name>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>KNavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
</context>
</TS>
