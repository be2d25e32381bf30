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
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>最近 30 天</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
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
    <message>
        <source>No alarm logs loaded</source>
        <translation>未載入警報日誌</translation>
    </message>
    <message>
        <source>%1 of %2 alarm logs</source>
        <translation>%1 / %2 條警報日誌</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Rule description, source IP, user, log source or raw logs</source>
        <translation>規則描述、來源 IP、用戶、日誌來源或原始日誌</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>所有等級</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>高風險</translation>
    </message>
    <message>
        <source>Normal risk</source>
        <translation>一般風險</translation>
    </message>
    <message>
        <source>No matching alarm logs</source>
        <translation>沒有相符的警報日誌</translation>
    </message>
    <message>
        <source>Reload failed: %1</source>
        <translation>重新載入失敗：%1</translation>
    </message>
    <message>
        <source>Press Reload to try again.</source>
        <translation>請按「重新載入」再試。</translation>
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
</TS>
