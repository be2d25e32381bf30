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
    <name>AllAttackStatisticsData</name>
    <message>
        <source>All sources of attack</source>
        <translation>འཇབ་རྒོལ་གྱི་འབྱུང་ཁུངས་ཡོངས།</translation>
    </message>
    <message>
        <source>Attack IP: </source>
        <translation>འཇབ་རྒོལ་ IP། </translation>
    </message>
</context>
<context>
    <name>AllStatisticsWindow</name>
    <message>
        <source>Minimize</source>
        <translation>ཆུང་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>ཆེ་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
</context>
<context>
    <name>AllUserStatisticsData</name>
    <message>
        <source>All user statistics</source>
        <translation>སྤྱོད་མཁན་ཡོངས་ཀྱི་སྡོམ་རྩིས།</translation>
    </message>
</context>
<context>
    <name>AttackStatisticsWidget</name>
    <message>
        <source>Statistics on attack sources</source>
        <translation>འཇབ་རྒོལ་འབྱུང་ཁུངས་ཀྱི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>འཇབ་རྒོལ་ IP།</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>འཇབ་རྒོལ།</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ཐེངས།</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>ཉེ་ཆར་འཇབ་རྒོལ་བྱས་དུས།</translation>
    </message>
    <message>
        <source>There are no source of attack</source>
        <translation>འཇབ་རྒོལ་གྱི་འབྱུང་ཁུངས་མེད།</translation>
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
    <name>CustomFileDialog</name>
    <message>
        <source>file</source>
        <translation>ཡིག་ཆ།</translation>
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
</context>
<context>
    <name>EventStatisticsWidget</name>
    <message>
        <source>Statistics of event</source>
        <translation>དོན་རྐྱེན་གྱི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>happen</source>
        <translation>བྱུང་བ།</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ཐེངས།</translation>
    </message>
</context>
<context>
    <name>EventTableModel</name>
    <message>
        <source>Event Title</source>
        <translation>དོན་རྐྱེན་གྱི་ཁ་བྱང་།</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>ཉེན་བརྡའི་རིམ་པ།</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>འབྱུང་ཁུངས།</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>བྱུང་བའི་དུས་ཚོད།</translation>
    </message>
</context>
<context>
    <name>EventTableView</name>
    <message>
        <source>There is no alarm information</source>
        <translation>ཉེན་བརྡའི་ཆ་འཕྲིན་མེད།</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>There are no alarms in the chosen range; no report was written.</source>
        <translation>འདེམས་པའི་ཁྱབ་ཁོངས་ནང་ཉེན་བརྡ་མེད་པས། སྙན་ཞུ་འབྲི་མ་ཐུབ།</translation>
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
    <name>RankingCard</name>
    <message>
        <source>See all</source>
        <translation>ཚང་མ་ལྟ་བ།</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Intrusion detection statistics report</source>
        <translation>བཙན་འཛུལ་ཞིབ་དཔྱད་ཀྱི་སྡོམ་རྩིས་སྙན་ཞུ།</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། ཡིག་སྣོད་ %1 ནང་འབྲི་མི་ཐུབ།</translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། ཡིག་སྣོད་ %1 མེད།</translation>
    </message>
    <message>
        <source>The report could not be written: the PDF writer failed.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། PDF བཟོ་མ་ཐུབ།</translation>
    </message>
    <message>
        <source>All event statistics</source>
        <translation>དོན་རྐྱེན་ཡོངས་ཀྱི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>Event Title</source>
        <translation>དོན་རྐྱེན་གྱི་ཁ་བྱང་།</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>ཉེན་བརྡའི་རིམ་པ།</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>འབྱུང་ཁུངས།</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>བྱུང་བའི་དུས་ཚོད།</translation>
    </message>
    <message>
        <source>All sources of attack</source>
        <translation>འཇབ་རྒོལ་གྱི་འབྱུང་ཁུངས་ཡོངས།</translation>
    </message>
    <message>
        <source>Attack IP</source>
        <translation>འཇབ་རྒོལ་ IP</translation>
    </message>
    <message>
        <source>Attack times</source>
        <translation>འཇབ་རྒོལ་ཐེངས་གྲངས།</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>འཇབ་རྒོལ་ IP།</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>ཉེ་ཆར་འཇབ་རྒོལ་བྱས་དུས།</translation>
    </message>
    <message>
        <source>All user statistics</source>
        <translation>སྤྱོད་མཁན་ཡོངས་ཀྱི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>User</source>
        <translation>སྤྱོད་མཁན།</translation>
    </message>
    <message>
        <source>Attack Times</source>
        <translation>འཇབ་རྒོལ་ཐེངས་གྲངས།</translation>
    </message>
</context>
<context>
    <name>SeverityCharts</name>
    <message>
        <source>Level 16</source>
        <translation>རིམ་པ་16</translation>
    </message>
    <message>
        <source>Level 15</source>
        <translation>རིམ་པ་15</translation>
    </message>
    <message>
        <source>Level 14</source>
        <translation>རིམ་པ་14</translation>
    </message>
    <message>
        <source>Level 13</source>
        <translation>རིམ་པ་13</translation>
    </message>
    <message>
        <source>Level 12</source>
        <translation>རིམ་པ་12</translation>
    </message>
</context>
<context>
    <name>UserStatisticsWidget</name>
    <message>
        <source>User statistics</source>
        <translation>སྤྱོད་མཁན་གྱི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>སྤྱོད་མཁན་གྱི་མིང་།</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>འཇབ་རྒོལ།</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ཐེངས།</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>ཉེ་ཆར་འཇབ་རྒོལ་བྱས་དུས།</translation>
    </message>
    <message>
        <source>There are no user statistics</source>
        <translation>སྤྱོད་མཁན་གྱི་སྡོམ་རྩིས་མེད།</translation>
    </message>
</context>
<context>
    <name>allEventStatisticsWidget</name>
    <message>
        <source>All event statistics</source>
        <translation>དོན་རྐྱེན་ཡོངས་ཀྱི་སྡོམ་རྩིས།</translation>
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
</context>
<context>
    <name>notifyReportItem</name>
    <message>
        <source>None</source>
        <translation>མེད།</translation>
    </message>
    <message>
        <source>The AI network detection service is not installed, AI inference is unavailable. Please go first</source>
        <translation>AI དྲ་རྒྱའི་ཞིབ་དཔྱད་ཞབས་ཞུ་སྒྲིག་འཇུག་བྱས་མེད་པས། AI ཚོད་དཔག་བེད་སྤྱོད་བྱེད་མི་ཐུབ། སྔོན་ལ་</translation>
    </message>
    <message>
        <source>install the &apos;AI Network Inspection Service&apos;, and if so, restart the intrusion detection tool</source>
        <translation>ལ་སོང་ནས་“AI དྲ་རྒྱའི་ཞིབ་དཔྱད་ཞབས་ཞུ་”སྒྲིག་འཇུག་བྱོས། སྒྲིག་འཇུག་བྱས་རྗེས་བཙན་འཛུལ་ཞིབ་དཔྱད་ཡོ་བྱད་བསྐྱར་དུ་འགོ་འཛུགས་རོགས།</translation>
    </message>
    <message>
        <source>Alarm Statistics - Settings</source>
        <translation>སྡོམ་རྩིས། - སྒྲིག་འགོད།</translation>
    </message>
</context>
<context>
    <name>notifyReportMain</name>
    <message>
        <source>hours</source>
        <translation>ཆུ་ཚོད།</translation>
    </message>
    <message>
        <source>Intrusion detection protection total</source>
        <translation>བཙན་འཛུལ་ཞིབ་དཔྱད་ཀྱི་སྲུང་སྐྱོབ་བསྡོམས།</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>ཚན།</translation>
    </message>
    <message>
        <source>Total number of log events</source>
        <translation>ཉིན་ཐོའི་དོན་རྐྱེན་བསྡོམས།</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ཐེངས།</translation>
    </message>
    <message>
        <source>Number of AI inferences</source>
        <translation>AI ཚོད་དཔག་གི་ཐེངས་གྲངས།</translation>
    </message>
    <message>
        <source>Total alerts</source>
        <translation>ཉེན་བརྡ་བསྡོམས།</translation>
    </message>
    <message>
        <source>Alarm statistics</source>
        <translation>ཉེན་བརྡའི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>ད་བར།</translation>
    </message>
    <message>
        <source>Export a statistical report</source>
        <translation>སྡོམ་རྩིས་སྙན་ཞུ་ཕྱིར་འདོན།</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>གསར་འདོན།</translation>
    </message>
    <message>
        <source>There are no alarm details</source>
        <translation>ཉེན་བརྡའི་ཞིབ་ཕྲ་མེད།</translation>
    </message>
    <message>
        <source>Loading alarm statistics...</source>
        <translation>ཉེན་བརྡའི་སྡོམ་རྩིས་འཇུག་བཞིན་པ...</translation>
    </message>
    <message>
        <source>Alarm level statistics</source>
        <translation>ཉེན་བརྡའི་རིམ་པའི་སྡོམ་རྩིས།</translation>
    </message>
    <message>
        <source>High-risk alerts (level 15-16)</source>
        <translation>ཉེན་ཚབས་ཆེ་བའི་ཉེན་བརྡ། (རིམ་པ་15-16)</translation>
    </message>
    <message>
        <source>Normal-risk alerts (level 12-14)</source>
        <translation>རྒྱུན་ལྡན་ཉེན་བརྡ། (རིམ་པ་12-14)</translation>
    </message>
    <message>
        <source>Date distribution of alarm severity</source>
        <translation>ཉེན་བརྡའི་རིམ་པའི་ཚེས་གྲངས་ཀྱི་བགོ་འགྲེམས།</translation>
    </message>
    <message>
        <source>Distribution of the number of alarm severities</source>
        <translation>ཉེན་བརྡའི་རིམ་པའི་གྲངས་འབོར་གྱི་བགོ་འགྲེམས།</translation>
    </message>
    <message>
        <source>The report could not be written: its picture could not be made.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། སྙན་ཞུའི་པར་རིས་བཟོ་མ་ཐུབ།</translation>
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
<context>
    <name>tipDialog</name>
    <message>
        <source>High risk:</source>
        <translation>ཉེན་ཚབས་ཆེ།</translation>
    </message>
    <message>
        <source>Normal risk:</source>
        <translation>རྒྱུན་ལྡན།</translation>
    </message>
</context>
</TS>
