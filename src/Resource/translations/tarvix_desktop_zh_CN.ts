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
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵检测</translation>
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
</TS>
