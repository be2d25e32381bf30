<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>file</source>
        <translation>文件</translation>
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
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>无法写入报告：文件夹 %1 不可写。</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>无法写入报告：文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The report could not be written: the PDF writer failed.</source>
        <translation>无法写入报告：生成 PDF 失败。</translation>
    </message>
    <message>
        <source>All event statistics</source>
        <translation>所有事件统计</translation>
    </message>
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
</context>
<context>
    <name>allEventStatisticsWidget</name>
    <message>
        <source>All event statistics</source>
        <translation>所有事件统计</translation>
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
