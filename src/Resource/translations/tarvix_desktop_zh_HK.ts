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
    <name>AllAttackStatisticsData</name>
    <message>
        <source>All sources of attack</source>
        <translation>所有攻擊來源</translation>
    </message>
    <message>
        <source>Attack IP: </source>
        <translation>攻擊 IP：</translation>
    </message>
</context>
<context>
    <name>AllStatisticsWindow</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>AllUserStatisticsData</name>
    <message>
        <source>All user statistics</source>
        <translation>所有用戶統計</translation>
    </message>
</context>
<context>
    <name>AttackStatisticsWidget</name>
    <message>
        <source>Statistics on attack sources</source>
        <translation>攻擊來源統計</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>攻擊 IP：</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>攻擊</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻擊時間：</translation>
    </message>
    <message>
        <source>There are no source of attack</source>
        <translation>暫無攻擊來源</translation>
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
    <name>CustomFileDialog</name>
    <message>
        <source>file</source>
        <translation>檔案</translation>
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
    <name>EventStatisticsWidget</name>
    <message>
        <source>Statistics of event</source>
        <translation>事件統計</translation>
    </message>
    <message>
        <source>happen</source>
        <translation>發生</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
</context>
<context>
    <name>EventTableModel</name>
    <message>
        <source>Event Title</source>
        <translation>事件標題</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>告警等級</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>發生時間</translation>
    </message>
</context>
<context>
    <name>EventTableView</name>
    <message>
        <source>There is no alarm information</source>
        <translation>暫無告警資訊</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>There are no alarms in the chosen range; no report was written.</source>
        <translation>所選範圍內沒有告警，未寫入報告。</translation>
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
    <name>RankingCard</name>
    <message>
        <source>See all</source>
        <translation>查看全部</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Intrusion detection statistics report</source>
        <translation>入侵偵測統計報告</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>無法寫入報告：資料夾 %1 不可寫入。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>無法寫入報告：資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>The report could not be written: the PDF writer failed.</source>
        <translation>無法寫入報告：產生 PDF 失敗。</translation>
    </message>
    <message>
        <source>All event statistics</source>
        <translation>所有事件統計</translation>
    </message>
    <message>
        <source>Event Title</source>
        <translation>事件標題</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>告警等級</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>發生時間</translation>
    </message>
    <message>
        <source>All sources of attack</source>
        <translation>所有攻擊來源</translation>
    </message>
    <message>
        <source>Attack IP</source>
        <translation>攻擊 IP</translation>
    </message>
    <message>
        <source>Attack times</source>
        <translation>攻擊次數</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>攻擊 IP：</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻擊時間：</translation>
    </message>
    <message>
        <source>All user statistics</source>
        <translation>所有用戶統計</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用戶</translation>
    </message>
    <message>
        <source>Attack Times</source>
        <translation>攻擊次數</translation>
    </message>
</context>
<context>
    <name>SeverityCharts</name>
    <message>
        <source>Level 16</source>
        <translation>16級</translation>
    </message>
    <message>
        <source>Level 15</source>
        <translation>15級</translation>
    </message>
    <message>
        <source>Level 14</source>
        <translation>14級</translation>
    </message>
    <message>
        <source>Level 13</source>
        <translation>13級</translation>
    </message>
    <message>
        <source>Level 12</source>
        <translation>12級</translation>
    </message>
</context>
<context>
    <name>UserStatisticsWidget</name>
    <message>
        <source>User statistics</source>
        <translation>用戶統計</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>用戶名稱</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>攻擊</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻擊時間：</translation>
    </message>
    <message>
        <source>There are no user statistics</source>
        <translation>暫無用戶統計</translation>
    </message>
</context>
<context>
    <name>allEventStatisticsWidget</name>
    <message>
        <source>All event statistics</source>
        <translation>所有事件統計</translation>
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
    <name>notifyReportItem</name>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>The AI network detection service is not installed, AI inference is unavailable. Please go first</source>
        <translation>未安裝 AI 網絡威脅偵測服務，AI 推理不可用。請先前往</translation>
    </message>
    <message>
        <source>install the &apos;AI Network Inspection Service&apos;, and if so, restart the intrusion detection tool</source>
        <translation>安裝「AI 網絡威脅偵測服務」，安裝後請重新啟動入侵偵測工具</translation>
    </message>
    <message>
        <source>Alarm Statistics - Settings</source>
        <translation>警報統計 - 設定</translation>
    </message>
</context>
<context>
    <name>notifyReportMain</name>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Intrusion detection protection total</source>
        <translation>入侵偵測累計防護</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>個</translation>
    </message>
    <message>
        <source>Total number of log events</source>
        <translation>日誌事件總數</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Number of AI inferences</source>
        <translation>AI 推理次數</translation>
    </message>
    <message>
        <source>Total alerts</source>
        <translation>告警總數</translation>
    </message>
    <message>
        <source>Alarm statistics</source>
        <translation>警報統計</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>至今</translation>
    </message>
    <message>
        <source>Export a statistical report</source>
        <translation>匯出統計報告</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>There are no alarm details</source>
        <translation>暫無告警詳情</translation>
    </message>
    <message>
        <source>Loading alarm statistics...</source>
        <translation>正在載入告警統計...</translation>
    </message>
    <message>
        <source>Alarm level statistics</source>
        <translation>告警等級統計</translation>
    </message>
    <message>
        <source>High-risk alerts (level 15-16)</source>
        <translation>高危告警（15-16級）</translation>
    </message>
    <message>
        <source>Normal-risk alerts (level 12-14)</source>
        <translation>一般告警（12-14級）</translation>
    </message>
    <message>
        <source>Date distribution of alarm severity</source>
        <translation>告警等級日期分佈</translation>
    </message>
    <message>
        <source>Distribution of the number of alarm severities</source>
        <translation>告警等級數量分佈</translation>
    </message>
    <message>
        <source>The report could not be written: its picture could not be made.</source>
        <translation>無法寫入報告：無法產生報告圖片。</translation>
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
    <name>tipDialog</name>
    <message>
        <source>High risk:</source>
        <translation>高危：</translation>
    </message>
    <message>
        <source>Normal risk:</source>
        <translation>一般：</translation>
    </message>
</context>
</TS>
