<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bo_CN">
<context>
    <name>AlertStore</name>
    <message>
        <source>The alarm logs could not be read</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་ཀློག་མ་ཐུབ།</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>ཞུགས་འཛུལ་ཞིབ་དཔྱད་ཞབས་ཞུ་དང་འབྲེལ་མཐུད་བྱེད་མ་ཐུབ།</translation>
    </message>
</context>
<context>
    <name>CustomButton</name>
    <message>
        <source>Confirm</source>
        <translation>གཏན་འཁེལ།</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>སྒྲིག་འགོད་བྱེད་བཞིན་པ</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <source>Form</source>
        <translation>རེའུ་མིག</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>གཏན་འཁེལ།</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <source>The screening start time cannot be later than the end time</source>
        <translation>འཚག་འདེམས་ཀྱི་འགོ་འཛུགས་དུས་ཚོད་མཇུག་སྒྲིལ་དུས་ཚོད་ལས་ཕྱི་བ་བྱེད་མི་ཆོག</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>དེ་རིང་།</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>ཉེ་ཆར་གྱི་ཉིན་ 7</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>ཉེ་ཆར་གྱི་ཉིན་ 30</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ཡོངས་རྫོགས།</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <source>A total of</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་ཁྱོན་</translation>
    </message>
    <message>
        <source>alarm logs</source>
        <translation>ཡོད།</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>ད་བར།</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>བསྐྱར་འཇུག</translation>
    </message>
    <message>
        <source>There are no alarm logs</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་མེད།</translation>
    </message>
    <message>
        <source>Loading alarm logs...</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་འཇུག་བཞིན་པ...</translation>
    </message>
    <message>
        <source>No alarm logs loaded</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་འཇུག་མེད།</translation>
    </message>
    <message>
        <source>%1 of %2 alarm logs</source>
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་ %2 ནང་ནས་ %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>འཚོལ་བ།</translation>
    </message>
    <message>
        <source>Rule description, source IP, user, log source or raw logs</source>
        <translation>སྒྲིག་སྲོལ་གྱི་འགྲེལ་བཤད། འབྱུང་ཁུངས་ IP། སྤྱོད་མཁན། ཉིན་ཐོའི་འབྱུང་ཁུངས་ཡང་ན་ཐོག་མའི་ཉིན་ཐོ།</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>རིམ་པ་ཡོངས་རྫོགས།</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>ཉེན་ཁ་ཆེ་བ།</translation>
    </message>
    <message>
        <source>Normal risk</source>
        <translation>ཉེན་ཁ་རྒྱུན་ལྡན།</translation>
    </message>
    <message>
        <source>No matching alarm logs</source>
        <translation>མཐུན་པའི་ཉེན་བརྡའི་ཉིན་ཐོ་མེད།</translation>
    </message>
    <message>
        <source>Reload failed: %1</source>
        <translation>བསྐྱར་འཇུག་མ་ཐུབ། %1</translation>
    </message>
    <message>
        <source>Press Reload to try again.</source>
        <translation>ཡང་བསྐྱར་ཚོད་ལྟ་བྱེད་པར་“བསྐྱར་འཇུག”ལ་མནན།</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <source>Level: </source>
        <translation>རིམ་པ། </translation>
    </message>
    <message>
        <source>severe</source>
        <translation>ཚབས་ཆེན།</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>རྒྱུན་ལྡན།</translation>
    </message>
    <message>
        <source>other</source>
        <translation>གཞན།</translation>
    </message>
    <message>
        <source>Time of occurrence: </source>
        <translation>བྱུང་བའི་དུས་ཚོད། </translation>
    </message>
    <message>
        <source>Log Source: </source>
        <translation>ཉིན་ཐོའི་འབྱུང་ཁུངས། </translation>
    </message>
    <message>
        <source>Rule No.: </source>
        <translation>སྒྲིག་སྲོལ་ཨང་རྟགས། </translation>
    </message>
    <message>
        <source>Group Category: </source>
        <translation>ཚོ་ཆུང་གི་རིགས། </translation>
    </message>
    <message>
        <source>User: </source>
        <translation>སྤྱོད་མཁན། </translation>
    </message>
    <message>
        <source>Source IP: </source>
        <translation>འབྱུང་ཁུངས་ IP། </translation>
    </message>
    <message>
        <source>Target IP: </source>
        <translation>དམིགས་ཡུལ་ IP། </translation>
    </message>
    <message>
        <source>Raw logs: </source>
        <translation>ཐོག་མའི་ཉིན་ཐོ། </translation>
    </message>
    <message>
        <source>Associated Informations: </source>
        <translation>འབྲེལ་ཡོད་ཆ་འཕྲིན། </translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>ཆེ་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>ཆུང་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>འདེམས་ཚན།</translation>
    </message>
    <message>
        <source>About</source>
        <translation>སྐོར།</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>རོགས་རམ།</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ཕྱིར་འཐེན།</translation>
    </message>
    <message>
        <source>Alarm Logs</source>
        <translation>ཉིན་ཐོ།</translation>
    </message>
    <message>
        <source>Alarm Statistics</source>
        <translation>སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Version Number: </source>
        <translation>པར་གཞིའི་ཨང་གྲངས། </translation>
    </message>
</context>
</TS>
