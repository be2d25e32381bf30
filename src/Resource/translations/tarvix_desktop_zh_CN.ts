<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CustomButton</name>
    <message>
        <location filename="../../widgets/custombutton.cpp" line="+40"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Configuring</source>
        <translation>配置中</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <location filename="../../widgets/datetimerangewidget.cpp" line="+55"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+112"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The screening start time cannot be later than the end time</source>
        <translation>筛选开始时间不能晚于结束时间</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../../app/main.cpp" line="+67"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵检测</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <location filename="../../logpage/notifylogmainpage.cpp" line="+86"/>
        <source>A total of</source>
        <translation>共</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>alarm logs</source>
        <translation>条告警日志</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+90"/>
        <location line="+23"/>
        <location line="+1"/>
        <source>So far</source>
        <translation>至今</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>There are no alarm logs</source>
        <translation>暂无告警日志</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <location filename="../../logpage/notify_log_frame.cpp" line="+195"/>
        <source>Level: </source>
        <translation>等级：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>severe</source>
        <translation>严重</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+20"/>
        <source>Time of occurrence: </source>
        <translation>发生时间：</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>Log Source: </source>
        <translation>日志来源：</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Rule No.: </source>
        <translation>规则编号：</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Group Category: </source>
        <translation>分组类别：</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+14"/>
        <source>User: </source>
        <translation>用户：</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+12"/>
        <source>Source IP: </source>
        <translation>源 IP：</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>Target IP: </source>
        <translation>目标 IP：</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>Raw logs: </source>
        <translation>原始日志：</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+6"/>
        <source>Associated Informations: </source>
        <translation>关联信息：</translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <location filename="../../app/tarvixmainpage.cpp" line="+59"/>
        <location line="+102"/>
        <location line="+222"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵检测</translation>
    </message>
    <message>
        <location line="-208"/>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+134"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+135"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+130"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Alarm Logs</source>
        <translation>告警日志</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm Statistics</source>
        <translation>告警统计</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Version Number: </source>
        <translation>版本号：</translation>
    </message>
</context>
</TS>
