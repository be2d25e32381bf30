<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bo_CN">
<context>
    <name>CustomButton</name>
    <message>
        <location filename="../../widgets/custombutton.cpp" line="+40"/>
        <source>Confirm</source>
        <translation>གཏན་འཁེལ།</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Configuring</source>
        <translation>སྒྲིག་འགོད་བྱེད་བཞིན་པ</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <location filename="../../widgets/datetimerangewidget.cpp" line="+55"/>
        <source>Form</source>
        <translation>རེའུ་མིག</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+112"/>
        <source>Confirm</source>
        <translation>གཏན་འཁེལ།</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The screening start time cannot be later than the end time</source>
        <translation>འཚག་འདེམས་ཀྱི་འགོ་འཛུགས་དུས་ཚོད་མཇུག་སྒྲིལ་དུས་ཚོད་ལས་ཕྱི་བ་བྱེད་མི་ཆོག</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../../app/main.cpp" line="+67"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <location filename="../../logpage/notifylogmainpage.cpp" line="+86"/>
        <source>A total of</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་ཁྱོན་</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>alarm logs</source>
        <translation>ཡོད།</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+90"/>
        <location line="+23"/>
        <location line="+1"/>
        <source>So far</source>
        <translation>ད་བར།</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Reload</source>
        <translation>བསྐྱར་འཇུག</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>There are no alarm logs</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་མེད།</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <location filename="../../logpage/notify_log_frame.cpp" line="+195"/>
        <source>Level: </source>
        <translation>རིམ་པ། </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>severe</source>
        <translation>ཚབས་ཆེན།</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal</source>
        <translation>རྒྱུན་ལྡན།</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other</source>
        <translation>གཞན།</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+20"/>
        <source>Time of occurrence: </source>
        <translation>བྱུང་བའི་དུས་ཚོད། </translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>Log Source: </source>
        <translation>ཉིན་ཐོའི་འབྱུང་ཁུངས། </translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Rule No.: </source>
        <translation>སྒྲིག་སྲོལ་ཨང་རྟགས། </translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Group Category: </source>
        <translation>ཚོ་ཆུང་གི་རིགས། </translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+14"/>
        <source>User: </source>
        <translation>སྤྱོད་མཁན། </translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+12"/>
        <source>Source IP: </source>
        <translation>འབྱུང་ཁུངས་ IP། </translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>Target IP: </source>
        <translation>དམིགས་ཡུལ་ IP། </translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>Raw logs: </source>
        <translation>ཐོག་མའི་ཉིན་ཐོ། </translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+6"/>
        <source>Associated Informations: </source>
        <translation>འབྲེལ་ཡོད་ཆ་འཕྲིན། </translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <location filename="../../app/tarvixmainpage.cpp" line="+59"/>
        <location line="+102"/>
        <location line="+222"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
    </message>
    <message>
        <location line="-208"/>
        <source>Maximize</source>
        <translation>ཆེ་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>ཆུང་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Option</source>
        <translation>འདེམས་ཚན།</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+134"/>
        <source>About</source>
        <translation>སྐོར།</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+135"/>
        <source>Help</source>
        <translation>རོགས་རམ།</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+130"/>
        <source>Quit</source>
        <translation>ཕྱིར་འཐེན།</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Alarm Logs</source>
        <translation>ཉིན་ཐོ།</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm Statistics</source>
        <translation>སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setting</source>
        <translation>སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Version Number: </source>
        <translation>པར་གཞིའི་ཨང་གྲངས། </translation>
    </message>
</context>
</TS>
