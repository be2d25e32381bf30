<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>AlertStore</name>
    <message>
        <source>The alarm logs could not be read</source>
        <translation>無法讀取告警日誌</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>無法連接入侵偵測服務</translation>
    </message>
</context>
<context>
    <name>CustomButton</name>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>設定中</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The screening start time cannot be later than the end time</source>
        <translation>篩選開始時間不能遲於結束時間</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵偵測</translation>
    </message>
</context>
<context>
    <name>basicSettingWidget</name>
    <message>
        <source>Zorva Intrusion Detector Service</source>
        <translation>Zorva 入侵偵測服務</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>無法讀取目前設定，請稍後再試</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Once closed, it will not be possible to detect system security risks in real time</source>
        <translation>關閉後將無法即時偵測系統安全風險</translation>
    </message>
    <message>
        <source>Desktop Notification Settings</source>
        <translation>桌面通知設定</translation>
    </message>
    <message>
        <source>Open desktop notification</source>
        <translation>開啟桌面通知</translation>
    </message>
    <message>
        <source>Notification Timeout</source>
        <translation>通知時長</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The notification duration is 1~60 (set to &apos;-1&apos; if continuous notification is required)</source>
        <translation>通知時長為 1~60（需要持續通知時請設為 &apos;-1&apos;）</translation>
    </message>
    <message>
        <source>Notification Fold</source>
        <translation>通知摺疊</translation>
    </message>
    <message>
        <source>The notification duration is unreasonable, and the value range is 1~60</source>
        <translation>通知時長不合理，取值範圍為 1~60</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>請輸入大於 0 的整數</translation>
    </message>
    <message>
        <source>The notification settings and the service switch could not be applied, please try again</source>
        <translation>通知設定和服務開關均未能生效，請重試</translation>
    </message>
    <message>
        <source>The desktop notification settings could not be applied, please try again</source>
        <translation>桌面通知設定未能生效，請重試</translation>
    </message>
    <message>
        <source>The detection services could not be switched, please try again</source>
        <translation>偵測服務未能切換，請重試</translation>
    </message>
</context>
<context>
    <name>guardSettingWidget</name>
    <message>
        <source>Defenses Service</source>
        <translation>防禦服務</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>IP Blocking</source>
        <translation>IP 封鎖</translation>
    </message>
    <message>
        <source>IP Blocking Whitelist</source>
        <translation>IP 封鎖白名單</translation>
    </message>
    <message>
        <source>IP Blocking Time</source>
        <translation>封鎖時長</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The blocking duration is 1~3600 (when continuous blocking is required, set to &apos;-1&apos;)</source>
        <translation>封鎖時長為 1~3600（需要持續封鎖時請設為 &apos;-1&apos;）</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>無法讀取目前設定，請稍後再試</translation>
    </message>
    <message>
        <source>The whitelist must be complete IPv4 addresses separated by commas</source>
        <translation>白名單須為以逗號分隔的完整 IPv4 位址</translation>
    </message>
    <message>
        <source>The blocking time is unreasonable, and the value range is 1~3600</source>
        <translation>封鎖時長不合理，取值範圍為 1~3600</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>請輸入大於 0 的整數</translation>
    </message>
    <message>
        <source>The IP blocking settings and the service switch could not be applied, please try again</source>
        <translation>IP 封鎖設定和服務開關均未能生效，請重試</translation>
    </message>
    <message>
        <source>The IP blocking settings could not be applied, please try again</source>
        <translation>IP 封鎖設定未能生效，請重試</translation>
    </message>
    <message>
        <source>The defense service could not be switched, please try again</source>
        <translation>防禦服務未能切換，請重試</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <source>A total of</source>
        <translation>共</translation>
    </message>
    <message>
        <source>alarm logs</source>
        <translation>條警報日誌</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>至今</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>There are no alarm logs</source>
        <translation>沒有警報日誌</translation>
    </message>
    <message>
        <source>Loading alarm logs...</source>
        <translation>正在載入告警日誌...</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <source>Level: </source>
        <translation>等級：</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>嚴重</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Time of occurrence: </source>
        <translation>發生時間：</translation>
    </message>
    <message>
        <source>Log Source: </source>
        <translation>日誌來源：</translation>
    </message>
    <message>
        <source>Rule No.: </source>
        <translation>規則編號：</translation>
    </message>
    <message>
        <source>Group Category: </source>
        <translation>群組類別：</translation>
    </message>
    <message>
        <source>User: </source>
        <translation>用戶：</translation>
    </message>
    <message>
        <source>Source IP: </source>
        <translation>來源 IP：</translation>
    </message>
    <message>
        <source>Target IP: </source>
        <translation>目標 IP：</translation>
    </message>
    <message>
        <source>Raw logs: </source>
        <translation>原始日誌：</translation>
    </message>
    <message>
        <source>Associated Informations: </source>
        <translation>關聯資訊：</translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵偵測</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Alarm Logs</source>
        <translation>警報日誌</translation>
    </message>
    <message>
        <source>Alarm Statistics</source>
        <translation>警報統計</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Version Number: </source>
        <translation>版本號碼：</translation>
    </message>
</context>
<context>
    <name>tarvixSettingMainpage</name>
    <message>
        <source>Zorva Intrusion Detector Setting</source>
        <translation>Zorva 入侵偵測設定</translation>
    </message>
    <message>
        <source>Basic Setting</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Defense Setting</source>
        <translation>防禦設定</translation>
    </message>
</context>
</TS>
