<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>lumo::KAboutDialog</name>
    <message>
        <source>This application uses the information it shows only on this computer. It does not send your personal data to anyone.</source>
        <translation>本應用程式只在本機上使用其顯示的資訊，不會向任何人傳送您的個人資料。</translation>
    </message>
    <message>
        <source>Service &amp; Support: </source>
        <translation>服務與支援：</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>私隱聲明</translation>
    </message>
    <message>
        <source>Version number not found</source>
        <translation>找不到版本號碼</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Unable to open mail application</source>
        <translation>無法開啟郵件應用程式</translation>
    </message>
    <message>
        <source>Your system does not have any email application installed or the default mail application is not set up.</source>
        <translation>您的系統未安裝任何電郵應用程式，或未設定預設郵件應用程式。</translation>
    </message>
</context>
<context>
    <name>lumo::KMenuButton</name>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
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
        <translation>還原</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>KNavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>導航</translation>
    </message>
</context>
</TS>
