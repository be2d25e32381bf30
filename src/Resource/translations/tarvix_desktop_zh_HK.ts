<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>CustomButton</name>
    <message>
        <location filename="../../widgets/custombutton.cpp" line="+40"/>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Configuring</source>
        <translation>設定中</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <location filename="../../widgets/datetimerangewidget.cpp" line="+55"/>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+112"/>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The screening start time cannot be later than the end time</source>
        <translation>篩選開始時間不能遲於結束時間</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../../app/main.cpp" line="+67"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵偵測</translation>
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
        <translation>條警報日誌</translation>
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
        <translation>重新載入</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>There are no alarm logs</source>
        <translation>沒有警報日誌</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <location filename="../../logpage/notify_log_frame.cpp" line="+195"/>
        <source>Level: </source>
        <translation>等級：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>severe</source>
        <translation>嚴重</translation>
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
        <translation>發生時間：</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>Log Source: </source>
        <translation>日誌來源：</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Rule No.: </source>
        <translation>規則編號：</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Group Category: </source>
        <translation>群組類別：</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+14"/>
        <source>User: </source>
        <translation>用戶：</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+12"/>
        <source>Source IP: </source>
        <translation>來源 IP：</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>Target IP: </source>
        <translation>目標 IP：</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>Raw logs: </source>
        <translation>原始日誌：</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+6"/>
        <source>Associated Informations: </source>
        <translation>關聯資訊：</translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <location filename="../../app/tarvixmainpage.cpp" line="+59"/>
        <location line="+102"/>
        <location line="+222"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva 入侵偵測</translation>
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
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Option</source>
        <translation>選項</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+134"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+135"/>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+130"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Alarm Logs</source>
        <translation>警報日誌</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm Statistics</source>
        <translation>警報統計</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Version Number: </source>
        <translation>版本號碼：</translation>
    </message>
</context>
</TS>
