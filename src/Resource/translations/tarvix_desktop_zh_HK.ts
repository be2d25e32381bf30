<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>AlertListView</name>
    <message>
        <source>Alarm logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy alert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>The alarm logs were cut short while being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 alert record could not be read</source>
        <translation>1 條告警記錄無法讀取</translation>
    </message>
    <message numerus="yes">
        <source>%n alert records could not be read</source>
        <translation>
            <numerusform>%n 條告警記錄無法讀取</numerusform>
        </translation>
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
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵偵測</translation>
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
    <message>
        <source>See all sources of attack</source>
        <translation>查看全部攻擊來源</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不帶值</translation>
    </message>
    <message>
        <source>unknown option -%1</source>
        <translation>未知選項 -%1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知選項 %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>多餘的參數「%1」</translation>
    </message>
    <message>
        <source>--format is used only with --export-report</source>
        <translation>--format 只能與 --export-report 一起使用</translation>
    </message>
    <message>
        <source>--from and --to are used only with --export-report</source>
        <translation>--from 和 --to 只能與 --export-report 一起使用</translation>
    </message>
    <message>
        <source>-s cannot be combined with --export-report</source>
        <translation>-s 不能與 --export-report 一起使用</translation>
    </message>
    <message>
        <source>--export-report wants the name of a file</source>
        <translation>--export-report 需要一個檔案名稱</translation>
    </message>
    <message>
        <source>--format wants pdf, csv or jsonl, not &quot;%1&quot;</source>
        <translation>--format 應為 pdf、csv 或 jsonl，而不是「%1」</translation>
    </message>
    <message>
        <source>the format of &quot;%1&quot; is not known: end the name with .pdf, .csv or .jsonl, or give --format</source>
        <translation>無法確定「%1」的格式：請以 .pdf、.csv 或 .jsonl 結尾命名，或指定 --format</translation>
    </message>
    <message>
        <source>%1 wants a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期，而不是「%2」</translation>
    </message>
    <message>
        <source>--from is later than --to</source>
        <translation>--from 晚於 --to</translation>
    </message>
    <message>
        <source>Usage: tarvix-desktop [-s ALERT_ID]
       tarvix-desktop --export-report FILE [--format pdf|csv|jsonl]
                      [--from YYYY-MM-DD] [--to YYYY-MM-DD]
       tarvix-desktop --help | --version

  -s, --send-notify-detail ALERT_ID  show the alarm log with that alert highlighted
                                     (handed to the running window when there is one)
  --export-report FILE               write the report or the alerts to FILE and exit,
                                     without a window: everything, or the days from
                                     --from to --to (both included; either may be
                                     left out)
  --format pdf|csv|jsonl             pdf: the statistics report; csv: one row per
                                     alert; jsonl: JSON Lines, one object per alert.
                                     Without it the suffix of FILE (.pdf, .csv,
                                     .jsonl) names the format
  --from YYYY-MM-DD                  the first day of the export
  --to YYYY-MM-DD                    the last day of the export
  -h, --help                         this text
  --version                          the program&apos;s name and version

Qt&apos;s own options (-platform, -display, -style, ...) are taken as well.
Exit status: 0 done; 1 the export was not written (the reason on standard
error, and no file left behind) or the alert could not be handed over;
2 a wrong command line.
</source>
        <translation type="unfinished"></translation>
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
        <source>PDF report</source>
        <translation>PDF 報告</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>JSON Lines</source>
        <translation>JSON Lines</translation>
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
    <message>
        <source>See all event statistics</source>
        <translation>查看全部事件統計</translation>
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
    <name>ExportFile</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>匯出已取消。</translation>
    </message>
    <message>
        <source>The report could not be written: the disk of the folder %1 is full.</source>
        <translation>無法寫入報告：資料夾 %1 所在的磁碟已滿。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 is on a read-only file system.</source>
        <translation>無法寫入報告：資料夾 %1 位於唯讀檔案系統上。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>無法寫入報告：資料夾 %1 不可寫入。</translation>
    </message>
    <message>
        <source>The report could not be written: the name %1 is too long for the file system.</source>
        <translation>無法寫入報告：名稱 %1 超出檔案系統允許的長度。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>無法寫入報告：資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a folder.</source>
        <translation>無法寫入報告：%1 不是資料夾。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a folder.</source>
        <translation>無法寫入報告：%1 是資料夾。</translation>
    </message>
    <message>
        <source>The report could not be written: %1.</source>
        <translation>無法寫入報告：%1。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a symbolic link.</source>
        <translation>無法寫入報告：%1 是符號連結。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a device.</source>
        <translation>無法寫入報告：%1 是裝置。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a named pipe.</source>
        <translation>無法寫入報告：%1 是具名管道。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a socket.</source>
        <translation>無法寫入報告：%1 是通訊端。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a regular file.</source>
        <translation>無法寫入報告：%1 不是一般檔案。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 belongs to another user.</source>
        <translation>無法寫入報告：%1 屬於其他使用者。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is read-only.</source>
        <translation>無法寫入報告：%1 是唯讀檔案。</translation>
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
        <source>All event statistics</source>
        <translation>所有事件統計</translation>
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
    <name>SettingPage</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
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
    <name>TarvixMessageDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
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
    <message>
        <source>See all user statistics</source>
        <translation>查看全部用戶統計</translation>
    </message>
</context>
<context>
    <name>aiNetAdvancedSettingWidget</name>
    <message>
        <source>The number of requests ranges from 60~100</source>
        <translation>請求數範圍為 60~100</translation>
    </message>
    <message>
        <source>The number of requests ranges from 300~1000</source>
        <translation>請求數範圍為 300~1000</translation>
    </message>
    <message>
        <source>DNS Request Num</source>
        <translation>DNS 請求數</translation>
    </message>
    <message>
        <source>SYN Request Num</source>
        <translation>SYN 請求數</translation>
    </message>
    <message>
        <source>ACK Request Num</source>
        <translation>ACK 請求數</translation>
    </message>
    <message>
        <source>UDP Request Num</source>
        <translation>UDP 請求數</translation>
    </message>
    <message>
        <source>ICMP Request Num</source>
        <translation>ICMP 請求數</translation>
    </message>
    <message>
        <source>The input cannot be empty</source>
        <translation>輸入不能為空</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>請輸入數字</translation>
    </message>
    <message>
        <source>The number of requests is unreasonable, and the value range is</source>
        <translation>請求數不合理，取值範圍為</translation>
    </message>
</context>
<context>
    <name>aiNetSettingWidget</name>
    <message>
        <source>Are you sure you want to open the ai net service?</source>
        <translation>確定要開啟 AI 網絡威脅偵測服務嗎？</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time, but affect system performance</source>
        <translation>開啟後將即時偵測網絡流量安全風險，但會影響系統效能</translation>
    </message>
    <message>
        <source>Download and install</source>
        <translation>下載並安裝</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Install the AI Cyber Threat Detection service first</source>
        <translation>請先安裝 AI 網絡威脅偵測服務</translation>
    </message>
    <message>
        <source>Downloading and installing, please do not turn off the computer···</source>
        <translation>正在下載安裝，請勿關閉電腦···</translation>
    </message>
    <message>
        <source>The service is successfully installed, please restart the tool</source>
        <translation>服務安裝成功，請重新啟動本工具</translation>
    </message>
    <message>
        <source>The service installation failed, please try again</source>
        <translation>服務安裝失敗，請重試</translation>
    </message>
    <message>
        <source>AI Network Threat Detect Service</source>
        <translation>AI 網絡威脅偵測服務</translation>
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
        <source>Once open, it will detect network traffic security risks in real time</source>
        <translation>開啟後將即時偵測網絡流量安全風險</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>無法讀取目前設定，請稍後再試</translation>
    </message>
    <message>
        <source>Threat Detect Config</source>
        <translation>威脅偵測設定</translation>
    </message>
    <message>
        <source>Observation Period</source>
        <translation>觀察週期</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>The time interval between the number of abnormal packets sent from external IP addresses</source>
        <translation>統計外部 IP 位址發送異常數據包數量的時間間隔</translation>
    </message>
    <message>
        <source>The period range is 10~1000</source>
        <translation>週期範圍為 10~1000</translation>
    </message>
    <message>
        <source>Advanced Setting</source>
        <translation>進階設定</translation>
    </message>
    <message>
        <source>The larger the request value, the more relaxed the network detection conditions are</source>
        <translation>請求數越大，網絡偵測條件越寬鬆</translation>
    </message>
    <message>
        <source>The AI network threat detection service could not be switched, please try again</source>
        <translation>AI 網絡威脅偵測服務未能切換，請重試</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>請輸入數字</translation>
    </message>
    <message>
        <source>The observation period is unreasonable, and the value range is 10~1000</source>
        <translation>觀察週期不合理，取值範圍為 10~1000</translation>
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
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>請輸入不含空格或加號的數字</translation>
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
    <message>
        <source>The whitelist is longer than %1 characters</source>
        <translation>白名單超過 %1 個字元</translation>
    </message>
    <message>
        <source>%1: a part of an address must not start with 0</source>
        <translation>%1：地址的各段不能以 0 開頭</translation>
    </message>
    <message>
        <source>%1: each part of an address must be 0 to 255</source>
        <translation>%1：地址的每一段必須在 0 到 255 之間</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>請輸入不含空格或加號的數字</translation>
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
    <message>
        <source>Search alarm logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risk level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the date range</source>
        <translation>選擇日期範圍</translation>
    </message>
    <message>
        <source>Reload (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule description: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source IP: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User: %1</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>%1: not known</source>
        <translation>%1：未知</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1：%2 %3</translation>
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
    <message>
        <source>Choose the date range</source>
        <translation>選擇日期範圍</translation>
    </message>
    <message>
        <source>First day of the report</source>
        <translation>報告的第一天</translation>
    </message>
    <message>
        <source>Last day of the report</source>
        <translation>報告的最後一天</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel the export</source>
        <translation>取消匯出</translation>
    </message>
    <message>
        <source>Exporting: %1 of %2 alerts written</source>
        <translation>正在匯出：已寫入 %1 / %2 條告警</translation>
    </message>
    <message>
        <source>The report was written to %1</source>
        <translation>報告已寫入 %1</translation>
    </message>
    <message>
        <source>The alerts were written to %1</source>
        <translation>告警已寫入 %1</translation>
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
    <message>
        <source>… %1 more characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
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
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation>自動刷新</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation>每分鐘</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>每 %1 分鐘</translation>
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
    <message>
        <source>AI Network Threat Detect</source>
        <translation>AI 網絡威脅偵測</translation>
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
