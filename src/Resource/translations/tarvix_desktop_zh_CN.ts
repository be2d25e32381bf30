<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlertListView</name>
    <message>
        <source>Alarm logs</source>
        <translation>告警日志</translation>
    </message>
    <message>
        <source>Copy alert</source>
        <translation>复制告警</translation>
    </message>
</context>
<context>
    <name>AlertStore</name>
    <message>
        <source>The alarm logs could not be read</source>
        <translation>无法读取告警日志</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>无法连接入侵检测服务</translation>
    </message>
    <message>
        <source>The alarm logs were cut short while being read</source>
        <translation>告警日志在读取时被截断</translation>
    </message>
    <message>
        <source>1 alert record could not be read</source>
        <translation>1 条告警记录无法读取</translation>
    </message>
    <message numerus="yes">
        <source>%n alert records could not be read</source>
        <translation>
            <numerusform>%n 条告警记录无法读取</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AllAttackStatisticsData</name>
    <message>
        <source>All sources of attack</source>
        <translation>所有攻击源</translation>
    </message>
    <message>
        <source>Attack IP: </source>
        <translation>攻击 IP：</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵检测</translation>
    </message>
</context>
<context>
    <name>AllUserStatisticsData</name>
    <message>
        <source>All user statistics</source>
        <translation>所有用户统计</translation>
    </message>
</context>
<context>
    <name>AttackStatisticsWidget</name>
    <message>
        <source>Statistics on attack sources</source>
        <translation>攻击源统计</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>攻击 IP：</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>攻击</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻击时间：</translation>
    </message>
    <message>
        <source>There are no source of attack</source>
        <translation>暂无攻击源</translation>
    </message>
    <message>
        <source>See all sources of attack</source>
        <translation>查看全部攻击来源</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不带值</translation>
    </message>
    <message>
        <source>unknown option -%1</source>
        <translation>未知选项 -%1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>--format is used only with --export-report</source>
        <translation>--format 只能与 --export-report 一起使用</translation>
    </message>
    <message>
        <source>--from and --to are used only with --export-report</source>
        <translation>--from 和 --to 只能与 --export-report 一起使用</translation>
    </message>
    <message>
        <source>-s cannot be combined with --export-report</source>
        <translation>-s 不能与 --export-report 一起使用</translation>
    </message>
    <message>
        <source>--export-report wants the name of a file</source>
        <translation>--export-report 需要一个文件名</translation>
    </message>
    <message>
        <source>--format wants pdf, csv or jsonl, not &quot;%1&quot;</source>
        <translation>--format 应为 pdf、csv 或 jsonl，而不是“%1”</translation>
    </message>
    <message>
        <source>the format of &quot;%1&quot; is not known: end the name with .pdf, .csv or .jsonl, or give --format</source>
        <translation>无法确定“%1”的格式：请以 .pdf、.csv 或 .jsonl 结尾命名，或指定 --format</translation>
    </message>
    <message>
        <source>%1 wants a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期，而不是“%2”</translation>
    </message>
    <message>
        <source>--from is later than --to</source>
        <translation>--from 晚于 --to</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>配置中</translation>
    </message>
</context>
<context>
    <name>CustomFileDialog</name>
    <message>
        <source>PDF report</source>
        <translation>PDF 报告</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The screening start time cannot be later than the end time</source>
        <translation>筛选开始时间不能晚于结束时间</translation>
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
        <translation>事件统计</translation>
    </message>
    <message>
        <source>happen</source>
        <translation>发生</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>See all event statistics</source>
        <translation>查看全部事件统计</translation>
    </message>
</context>
<context>
    <name>EventTableModel</name>
    <message>
        <source>Event Title</source>
        <translation>事件标题</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>告警等级</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>发生时间</translation>
    </message>
</context>
<context>
    <name>EventTableView</name>
    <message>
        <source>There is no alarm information</source>
        <translation>暂无告警信息</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>There are no alarms in the chosen range; no report was written.</source>
        <translation>所选范围内没有告警，未写入报告。</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>导出已取消。</translation>
    </message>
    <message>
        <source>The report could not be written: the disk of the folder %1 is full.</source>
        <translation>无法写入报告：文件夹 %1 所在的磁盘已满。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 is on a read-only file system.</source>
        <translation>无法写入报告：文件夹 %1 位于只读文件系统上。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>无法写入报告：文件夹 %1 不可写。</translation>
    </message>
    <message>
        <source>The report could not be written: the name %1 is too long for the file system.</source>
        <translation>无法写入报告：名称 %1 超出文件系统允许的长度。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>无法写入报告：文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a folder.</source>
        <translation>无法写入报告：%1 不是文件夹。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a folder.</source>
        <translation>无法写入报告：%1 是文件夹。</translation>
    </message>
    <message>
        <source>The report could not be written: %1.</source>
        <translation>无法写入报告：%1。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a symbolic link.</source>
        <translation>无法写入报告：%1 是符号链接。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a device.</source>
        <translation>无法写入报告：%1 是设备。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a named pipe.</source>
        <translation>无法写入报告：%1 是命名管道。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a socket.</source>
        <translation>无法写入报告：%1 是套接字。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a regular file.</source>
        <translation>无法写入报告：%1 不是普通文件。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 belongs to another user.</source>
        <translation>无法写入报告：%1 属于其他用户。</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is read-only.</source>
        <translation>无法写入报告：%1 是只读文件。</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵检测</translation>
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
        <translation>入侵检测统计报告</translation>
    </message>
    <message>
        <source>All event statistics</source>
        <translation>所有事件统计</translation>
    </message>
    <message>
        <source>All sources of attack</source>
        <translation>所有攻击源</translation>
    </message>
    <message>
        <source>Attack IP</source>
        <translation>攻击 IP</translation>
    </message>
    <message>
        <source>Attack times</source>
        <translation>攻击次数</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>攻击 IP：</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻击时间：</translation>
    </message>
    <message>
        <source>All user statistics</source>
        <translation>所有用户统计</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Attack Times</source>
        <translation>攻击次数</translation>
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
        <translation>16级</translation>
    </message>
    <message>
        <source>Level 15</source>
        <translation>15级</translation>
    </message>
    <message>
        <source>Level 14</source>
        <translation>14级</translation>
    </message>
    <message>
        <source>Level 13</source>
        <translation>13级</translation>
    </message>
    <message>
        <source>Level 12</source>
        <translation>12级</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>UserStatisticsWidget</name>
    <message>
        <source>User statistics</source>
        <translation>用户统计</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>攻击</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>最近攻击时间：</translation>
    </message>
    <message>
        <source>There are no user statistics</source>
        <translation>暂无用户统计</translation>
    </message>
    <message>
        <source>See all user statistics</source>
        <translation>查看全部用户统计</translation>
    </message>
</context>
<context>
    <name>aiNetAdvancedSettingWidget</name>
    <message>
        <source>The number of requests ranges from 60~100</source>
        <translation>请求数范围为 60~100</translation>
    </message>
    <message>
        <source>The number of requests ranges from 300~1000</source>
        <translation>请求数范围为 300~1000</translation>
    </message>
    <message>
        <source>DNS Request Num</source>
        <translation>DNS 请求数</translation>
    </message>
    <message>
        <source>SYN Request Num</source>
        <translation>SYN 请求数</translation>
    </message>
    <message>
        <source>ACK Request Num</source>
        <translation>ACK 请求数</translation>
    </message>
    <message>
        <source>UDP Request Num</source>
        <translation>UDP 请求数</translation>
    </message>
    <message>
        <source>ICMP Request Num</source>
        <translation>ICMP 请求数</translation>
    </message>
    <message>
        <source>The input cannot be empty</source>
        <translation>输入不能为空</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>The number of requests is unreasonable, and the value range is</source>
        <translation>请求数不合理，取值范围为</translation>
    </message>
</context>
<context>
    <name>aiNetSettingWidget</name>
    <message>
        <source>Are you sure you want to open the ai net service?</source>
        <translation>确定要开启 AI 网络威胁检测服务吗？</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time, but affect system performance</source>
        <translation>开启后将实时检测网络流量安全风险，但会影响系统性能</translation>
    </message>
    <message>
        <source>Download and install</source>
        <translation>下载并安装</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Install the AI Cyber Threat Detection service first</source>
        <translation>请先安装 AI 网络威胁检测服务</translation>
    </message>
    <message>
        <source>Downloading and installing, please do not turn off the computer···</source>
        <translation>正在下载安装，请勿关闭计算机···</translation>
    </message>
    <message>
        <source>The service is successfully installed, please restart the tool</source>
        <translation>服务安装成功，请重新启动本工具</translation>
    </message>
    <message>
        <source>The service installation failed, please try again</source>
        <translation>服务安装失败，请重试</translation>
    </message>
    <message>
        <source>AI Network Threat Detect Service</source>
        <translation>AI 网络威胁检测服务</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time</source>
        <translation>开启后将实时检测网络流量安全风险</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>无法读取当前设置，请稍后重试</translation>
    </message>
    <message>
        <source>Threat Detect Config</source>
        <translation>威胁检测配置</translation>
    </message>
    <message>
        <source>Observation Period</source>
        <translation>观察周期</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>The time interval between the number of abnormal packets sent from external IP addresses</source>
        <translation>统计外部 IP 地址发送异常数据包数量的时间间隔</translation>
    </message>
    <message>
        <source>The period range is 10~1000</source>
        <translation>周期范围为 10~1000</translation>
    </message>
    <message>
        <source>Advanced Setting</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>The larger the request value, the more relaxed the network detection conditions are</source>
        <translation>请求数越大，网络检测条件越宽松</translation>
    </message>
    <message>
        <source>The AI network threat detection service could not be switched, please try again</source>
        <translation>AI 网络威胁检测服务未能切换，请重试</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>The observation period is unreasonable, and the value range is 10~1000</source>
        <translation>观察周期不合理，取值范围为 10~1000</translation>
    </message>
</context>
<context>
    <name>allEventStatisticsWidget</name>
    <message>
        <source>All event statistics</source>
        <translation>所有事件统计</translation>
    </message>
</context>
<context>
    <name>basicSettingWidget</name>
    <message>
        <source>Zorva Intrusion Detector Service</source>
        <translation>Zorva 入侵检测服务</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>无法读取当前设置，请稍后重试</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Once closed, it will not be possible to detect system security risks in real time</source>
        <translation>关闭后将无法实时检测系统安全风险</translation>
    </message>
    <message>
        <source>Desktop Notification Settings</source>
        <translation>桌面通知设置</translation>
    </message>
    <message>
        <source>Open desktop notification</source>
        <translation>开启桌面通知</translation>
    </message>
    <message>
        <source>Notification Timeout</source>
        <translation>通知时长</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The notification duration is 1~60 (set to &apos;-1&apos; if continuous notification is required)</source>
        <translation>通知时长为 1~60（需要持续通知时请设为 &apos;-1&apos;）</translation>
    </message>
    <message>
        <source>Notification Fold</source>
        <translation>通知折叠</translation>
    </message>
    <message>
        <source>The notification duration is unreasonable, and the value range is 1~60</source>
        <translation>通知时长不合理，取值范围为 1~60</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>请输入大于 0 的整数</translation>
    </message>
    <message>
        <source>The notification settings and the service switch could not be applied, please try again</source>
        <translation>通知设置和服务开关均未能生效，请重试</translation>
    </message>
    <message>
        <source>The desktop notification settings could not be applied, please try again</source>
        <translation>桌面通知设置未能生效，请重试</translation>
    </message>
    <message>
        <source>The detection services could not be switched, please try again</source>
        <translation>检测服务未能切换，请重试</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>请输入不含空格或加号的数字</translation>
    </message>
</context>
<context>
    <name>guardSettingWidget</name>
    <message>
        <source>Defenses Service</source>
        <translation>防御服务</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>IP Blocking</source>
        <translation>IP 封禁</translation>
    </message>
    <message>
        <source>IP Blocking Whitelist</source>
        <translation>IP 封禁白名单</translation>
    </message>
    <message>
        <source>IP Blocking Time</source>
        <translation>封禁时长</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The blocking duration is 1~3600 (when continuous blocking is required, set to &apos;-1&apos;)</source>
        <translation>封禁时长为 1~3600（需要持续封禁时请设为 &apos;-1&apos;）</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>无法读取当前设置，请稍后重试</translation>
    </message>
    <message>
        <source>The whitelist must be complete IPv4 addresses separated by commas</source>
        <translation>白名单须为以逗号分隔的完整 IPv4 地址</translation>
    </message>
    <message>
        <source>The blocking time is unreasonable, and the value range is 1~3600</source>
        <translation>封禁时长不合理，取值范围为 1~3600</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>请输入大于 0 的整数</translation>
    </message>
    <message>
        <source>The IP blocking settings and the service switch could not be applied, please try again</source>
        <translation>IP 封禁设置和服务开关均未能生效，请重试</translation>
    </message>
    <message>
        <source>The IP blocking settings could not be applied, please try again</source>
        <translation>IP 封禁设置未能生效，请重试</translation>
    </message>
    <message>
        <source>The defense service could not be switched, please try again</source>
        <translation>防御服务未能切换，请重试</translation>
    </message>
    <message>
        <source>The whitelist is longer than %1 characters</source>
        <translation>白名单超过 %1 个字符</translation>
    </message>
    <message>
        <source>%1: a part of an address must not start with 0</source>
        <translation>%1：地址的各段不能以 0 开头</translation>
    </message>
    <message>
        <source>%1: each part of an address must be 0 to 255</source>
        <translation>%1：地址的每一段必须在 0 到 255 之间</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>请输入不含空格或加号的数字</translation>
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
        <translation>条告警日志</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>至今</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
    <message>
        <source>There are no alarm logs</source>
        <translation>暂无告警日志</translation>
    </message>
    <message>
        <source>Loading alarm logs...</source>
        <translation>正在加载告警日志...</translation>
    </message>
    <message>
        <source>No alarm logs loaded</source>
        <translation>未加载告警日志</translation>
    </message>
    <message>
        <source>%1 of %2 alarm logs</source>
        <translation>%1 / %2 条告警日志</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Rule description, source IP, user, log source or raw logs</source>
        <translation>规则描述、源 IP、用户、日志来源或原始日志</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>全部等级</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>高风险</translation>
    </message>
    <message>
        <source>Normal risk</source>
        <translation>一般风险</translation>
    </message>
    <message>
        <source>No matching alarm logs</source>
        <translation>没有匹配的告警日志</translation>
    </message>
    <message>
        <source>Reload failed: %1</source>
        <translation>重新加载失败：%1</translation>
    </message>
    <message>
        <source>Press Reload to try again.</source>
        <translation>请点击“重新加载”重试。</translation>
    </message>
    <message>
        <source>Search alarm logs</source>
        <translation>搜索告警日志</translation>
    </message>
    <message>
        <source>Risk level</source>
        <translation>风险等级</translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation>移除此筛选</translation>
    </message>
    <message>
        <source>Remove filter</source>
        <translation>移除筛选</translation>
    </message>
    <message>
        <source>Choose the date range</source>
        <translation>选择日期范围</translation>
    </message>
    <message>
        <source>Reload (F5)</source>
        <translation>重新加载 (F5)</translation>
    </message>
    <message>
        <source>Rule description: %1</source>
        <translation>规则描述：%1</translation>
    </message>
    <message>
        <source>Source IP: %1</source>
        <translation>源 IP：%1</translation>
    </message>
    <message>
        <source>User: %1</source>
        <translation>用户：%1</translation>
    </message>
</context>
<context>
    <name>notifyReportItem</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The AI network detection service is not installed, AI inference is unavailable. Please go first</source>
        <translation>未安装 AI 网络威胁检测服务，AI 推理不可用。请先前往</translation>
    </message>
    <message>
        <source>install the &apos;AI Network Inspection Service&apos;, and if so, restart the intrusion detection tool</source>
        <translation>安装“AI 网络威胁检测服务”，安装后请重启入侵检测工具</translation>
    </message>
    <message>
        <source>Alarm Statistics - Settings</source>
        <translation>告警统计 - 设置</translation>
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
        <translation>小时</translation>
    </message>
    <message>
        <source>Intrusion detection protection total</source>
        <translation>入侵检测累计防护</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>个</translation>
    </message>
    <message>
        <source>Total number of log events</source>
        <translation>日志事件总数</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Number of AI inferences</source>
        <translation>AI 推理次数</translation>
    </message>
    <message>
        <source>Total alerts</source>
        <translation>告警总数</translation>
    </message>
    <message>
        <source>Alarm statistics</source>
        <translation>告警统计</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>至今</translation>
    </message>
    <message>
        <source>Export a statistical report</source>
        <translation>导出统计报告</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>There are no alarm details</source>
        <translation>暂无告警详情</translation>
    </message>
    <message>
        <source>Loading alarm statistics...</source>
        <translation>正在加载告警统计...</translation>
    </message>
    <message>
        <source>Alarm level statistics</source>
        <translation>告警等级统计</translation>
    </message>
    <message>
        <source>High-risk alerts (level 15-16)</source>
        <translation>高危告警（15-16级）</translation>
    </message>
    <message>
        <source>Normal-risk alerts (level 12-14)</source>
        <translation>一般告警（12-14级）</translation>
    </message>
    <message>
        <source>Date distribution of alarm severity</source>
        <translation>告警等级日期分布</translation>
    </message>
    <message>
        <source>Distribution of the number of alarm severities</source>
        <translation>告警等级数量分布</translation>
    </message>
    <message>
        <source>The report could not be written: its picture could not be made.</source>
        <translation>无法写入报告：无法生成报告图片。</translation>
    </message>
    <message>
        <source>Choose the date range</source>
        <translation>选择日期范围</translation>
    </message>
    <message>
        <source>First day of the report</source>
        <translation>报告的第一天</translation>
    </message>
    <message>
        <source>Last day of the report</source>
        <translation>报告的最后一天</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel the export</source>
        <translation>取消导出</translation>
    </message>
    <message>
        <source>Exporting: %1 of %2 alerts written</source>
        <translation>正在导出：已写入 %1 / %2 条告警</translation>
    </message>
    <message>
        <source>The report was written to %1</source>
        <translation>报告已写入 %1</translation>
    </message>
    <message>
        <source>The alerts were written to %1</source>
        <translation>告警已写入 %1</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <source>Level: </source>
        <translation>等级：</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>严重</translation>
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
        <translation>发生时间：</translation>
    </message>
    <message>
        <source>Log Source: </source>
        <translation>日志来源：</translation>
    </message>
    <message>
        <source>Rule No.: </source>
        <translation>规则编号：</translation>
    </message>
    <message>
        <source>Group Category: </source>
        <translation>分组类别：</translation>
    </message>
    <message>
        <source>User: </source>
        <translation>用户：</translation>
    </message>
    <message>
        <source>Source IP: </source>
        <translation>源 IP：</translation>
    </message>
    <message>
        <source>Target IP: </source>
        <translation>目标 IP：</translation>
    </message>
    <message>
        <source>Raw logs: </source>
        <translation>原始日志：</translation>
    </message>
    <message>
        <source>Associated Informations: </source>
        <translation>关联信息：</translation>
    </message>
    <message>
        <source>… %1 more characters</source>
        <translation>… 另有 %1 个字符</translation>
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
        <translation>Zorva 入侵检测</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Alarm Logs</source>
        <translation>告警日志</translation>
    </message>
    <message>
        <source>Alarm Statistics</source>
        <translation>告警统计</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Version Number: </source>
        <translation>版本号：</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation>自动刷新</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation>每分钟</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>每 %1 分钟</translation>
    </message>
</context>
<context>
    <name>tarvixSettingMainpage</name>
    <message>
        <source>Zorva Intrusion Detector Setting</source>
        <translation>Zorva 入侵检测设置</translation>
    </message>
    <message>
        <source>Basic Setting</source>
        <translation>基础设置</translation>
    </message>
    <message>
        <source>Defense Setting</source>
        <translation>防御设置</translation>
    </message>
    <message>
        <source>AI Network Threat Detect</source>
        <translation>AI 网络威胁检测</translation>
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
