<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bo_CN">
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
        <translation>ཉེན་བརྡའི་ཉིན་ཐོ་ཀློག་མ་ཐུབ།</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>ཞུགས་འཛུལ་ཞིབ་དཔྱད་ཞབས་ཞུ་དང་འབྲེལ་མཐུད་བྱེད་མ་ཐུབ།</translation>
    </message>
    <message>
        <source>The alarm logs were cut short while being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 alert record could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n alert records could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
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
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation type="unfinished">Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
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
    <message>
        <source>See all sources of attack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option -%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is used only with --export-report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from and --to are used only with --export-report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-s cannot be combined with --export-report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-report wants the name of a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format wants pdf, csv or jsonl, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the format of &quot;%1&quot; is not known: end the name with .pdf, .csv or .jsonl, or give --format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wants a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from is later than --to</source>
        <translation type="unfinished"></translation>
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
        <source>PDF report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON Lines</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>See all event statistics</source>
        <translation type="unfinished"></translation>
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
    <name>ExportFile</name>
    <message>
        <source>The export was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: the disk of the folder %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 is on a read-only file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 cannot be written to.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། ཡིག་སྣོད་ %1 ནང་འབྲི་མི་ཐུབ།</translation>
    </message>
    <message>
        <source>The report could not be written: the name %1 is too long for the file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>སྙན་ཞུ་འབྲི་མ་ཐུབ། ཡིག་སྣོད་ %1 མེད།</translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a symbolic link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a named pipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is a socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 belongs to another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: %1 is read-only.</source>
        <translation type="unfinished"></translation>
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
        <source>All event statistics</source>
        <translation>དོན་རྐྱེན་ཡོངས་ཀྱི་སྡོམ་རྩིས།</translation>
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
    <name>SettingPage</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
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
    <name>TarvixMessageDialog</name>
    <message>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>གཏན་འཁེལ།</translation>
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
    <message>
        <source>See all user statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aiNetAdvancedSettingWidget</name>
    <message>
        <source>The number of requests ranges from 60~100</source>
        <translation>རེ་ཞུའི་གྲངས་ཀྱི་ཁྱབ་ཁོངས་ 60~100</translation>
    </message>
    <message>
        <source>The number of requests ranges from 300~1000</source>
        <translation>རེ་ཞུའི་གྲངས་ཀྱི་ཁྱབ་ཁོངས་ 300~1000</translation>
    </message>
    <message>
        <source>DNS Request Num</source>
        <translation>DNS རེ་ཞུའི་གྲངས།</translation>
    </message>
    <message>
        <source>SYN Request Num</source>
        <translation>SYN རེ་ཞུའི་གྲངས།</translation>
    </message>
    <message>
        <source>ACK Request Num</source>
        <translation>ACK རེ་ཞུའི་གྲངས།</translation>
    </message>
    <message>
        <source>UDP Request Num</source>
        <translation>UDP རེ་ཞུའི་གྲངས།</translation>
    </message>
    <message>
        <source>ICMP Request Num</source>
        <translation>ICMP རེ་ཞུའི་གྲངས།</translation>
    </message>
    <message>
        <source>The input cannot be empty</source>
        <translation>ནང་འཇུག་སྟོང་པ་ཡིན་མི་ཆོག</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>ཨང་གྲངས་ཤིག་འཇུག་རོགས།</translation>
    </message>
    <message>
        <source>The number of requests is unreasonable, and the value range is</source>
        <translation>རེ་ཞུའི་གྲངས་འོས་འཚམ་མིན། གྲངས་ཐང་གི་ཁྱབ་ཁོངས་ནི</translation>
    </message>
</context>
<context>
    <name>aiNetSettingWidget</name>
    <message>
        <source>Are you sure you want to open the ai net service?</source>
        <translation>AI དྲ་རྒྱའི་ཉེན་ཁ་ཞིབ་དཔྱད་ཞབས་ཞུ་ཁ་ཕྱེ་རྒྱུ་གཏན་འཁེལ་ལམ།</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time, but affect system performance</source>
        <translation>ཁ་ཕྱེ་རྗེས་དྲ་རྒྱའི་ཚད་ཀྱི་བདེ་འཇགས་ཉེན་ཁ་དུས་ཐོག་ཏུ་ཞིབ་དཔྱད་བྱེད་ཀྱང་མ་ལག་གི་ནུས་པར་ཤུགས་རྐྱེན་ཐེབས།</translation>
    </message>
    <message>
        <source>Download and install</source>
        <translation>ཕབ་ལེན་དང་སྒྲིག་འཇུག</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>ཤེས་སོང་།</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ཡང་བསྐྱར་ཚོད་ལྟ།</translation>
    </message>
    <message>
        <source>Install the AI Cyber Threat Detection service first</source>
        <translation>སྔོན་ལ་ AI དྲ་རྒྱའི་ཉེན་ཁ་ཞིབ་དཔྱད་ཞབས་ཞུ་སྒྲིག་འཇུག་གནང་རོགས།</translation>
    </message>
    <message>
        <source>Downloading and installing, please do not turn off the computer···</source>
        <translation>ཕབ་ལེན་དང་སྒྲིག་འཇུག་བྱེད་བཞིན་པས། གློག་ཀླད་ཁ་མ་རྒྱག་རོགས།···</translation>
    </message>
    <message>
        <source>The service is successfully installed, please restart the tool</source>
        <translation>ཞབས་ཞུ་སྒྲིག་འཇུག་ལེགས་གྲུབ་བྱུང་། ཡོ་བྱད་བསྐྱར་འགོ་ཚུགས་རོགས།</translation>
    </message>
    <message>
        <source>The service installation failed, please try again</source>
        <translation>ཞབས་ཞུ་སྒྲིག་འཇུག་ཕམ་སོང་། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>AI Network Threat Detect Service</source>
        <translation>AI དྲ་རྒྱའི་ཉེན་ཁ་ཞིབ་དཔྱད་ཞབས་ཞུ།</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ཁ་ཕྱེ།</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time</source>
        <translation>ཁ་ཕྱེ་རྗེས་དྲ་རྒྱའི་ཚད་ཀྱི་བདེ་འཇགས་ཉེན་ཁ་དུས་ཐོག་ཏུ་ཞིབ་དཔྱད་བྱེད།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>ད་ལྟའི་སྒྲིག་འགོད་ཀློག་མ་ཐུབ། རྗེས་སུ་ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>Threat Detect Config</source>
        <translation>ཉེན་ཁ་ཞིབ་དཔྱད་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Observation Period</source>
        <translation>ལྟ་ཞིབ་དུས་འཁོར།</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>སྐར་ཆ་སྟོང་ཆ།</translation>
    </message>
    <message>
        <source>The time interval between the number of abnormal packets sent from external IP addresses</source>
        <translation>ཕྱི་རོལ་ IP ཁ་བྱང་ནས་བཏང་བའི་རྒྱུན་ལྡན་མིན་པའི་གནས་ཚུལ་ཐུམ་སྒྲིལ་གྲངས་བརྩི་བའི་དུས་བར།</translation>
    </message>
    <message>
        <source>The period range is 10~1000</source>
        <translation>དུས་འཁོར་གྱི་ཁྱབ་ཁོངས་ 10~1000</translation>
    </message>
    <message>
        <source>Advanced Setting</source>
        <translation>མཐོ་རིམ་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>The larger the request value, the more relaxed the network detection conditions are</source>
        <translation>རེ་ཞུའི་གྲངས་ཇི་ཆེ་བར་དྲ་རྒྱའི་ཞིབ་དཔྱད་ཆ་རྐྱེན་ཇི་ལྷོད་དུ་འགྲོ།</translation>
    </message>
    <message>
        <source>The AI network threat detection service could not be switched, please try again</source>
        <translation>AI དྲ་རྒྱའི་ཉེན་ཁ་ཞིབ་དཔྱད་ཞབས་ཞུ་བརྗེ་སྒྱུར་བྱེད་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>ཨང་གྲངས་ཤིག་འཇུག་རོགས།</translation>
    </message>
    <message>
        <source>The observation period is unreasonable, and the value range is 10~1000</source>
        <translation>ལྟ་ཞིབ་དུས་འཁོར་འོས་འཚམ་མིན། གྲངས་ཐང་གི་ཁྱབ་ཁོངས་ནི་ 10~1000 ཡིན།</translation>
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
    <name>basicSettingWidget</name>
    <message>
        <source>Zorva Intrusion Detector Service</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད་ཞབས་ཞུ།</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>ད་ལྟའི་སྒྲིག་འགོད་ཀློག་མ་ཐུབ། རྗེས་སུ་ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ཁ་ཕྱེ།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
    <message>
        <source>Once closed, it will not be possible to detect system security risks in real time</source>
        <translation>ཁ་རྒྱབ་རྗེས་མ་ལག་གི་བདེ་འཇགས་ཉེན་ཁ་དུས་ཐོག་ཏུ་ཞིབ་དཔྱད་བྱེད་མི་ཐུབ།</translation>
    </message>
    <message>
        <source>Desktop Notification Settings</source>
        <translation>ཅོག་ངོས་བརྡ་ཐོའི་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Open desktop notification</source>
        <translation>ཅོག་ངོས་བརྡ་ཐོ་ཁ་ཕྱེ།</translation>
    </message>
    <message>
        <source>Notification Timeout</source>
        <translation>བརྡ་ཐོའི་དུས་ཚོད།</translation>
    </message>
    <message>
        <source>s</source>
        <translation>སྐར་ཆ།</translation>
    </message>
    <message>
        <source>The notification duration is 1~60 (set to &apos;-1&apos; if continuous notification is required)</source>
        <translation>བརྡ་ཐོའི་དུས་ཚོད་ 1~60 (རྒྱུན་མཐུད་བརྡ་ཐོ་དགོས་ན་ &apos;-1&apos; ལ་སྒྲིག)</translation>
    </message>
    <message>
        <source>Notification Fold</source>
        <translation>བརྡ་ཐོ་བསྡུ་བ།</translation>
    </message>
    <message>
        <source>The notification duration is unreasonable, and the value range is 1~60</source>
        <translation>བརྡ་ཐོའི་དུས་ཚོད་འོས་འཚམ་མིན། གྲངས་ཐང་གི་ཁྱབ་ཁོངས་ནི་ 1~60 ཡིན།</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>0 ལས་ཆེ་བའི་གྲངས་ཆ་ཚང་ཞིག་འཇུག་རོགས།</translation>
    </message>
    <message>
        <source>The notification settings and the service switch could not be applied, please try again</source>
        <translation>བརྡ་ཐོའི་སྒྲིག་འགོད་དང་ཞབས་ཞུའི་སྒོ་འབྱེད་ལག་བསྟར་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The desktop notification settings could not be applied, please try again</source>
        <translation>ཅོག་ངོས་བརྡ་ཐོའི་སྒྲིག་འགོད་ལག་བསྟར་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The detection services could not be switched, please try again</source>
        <translation>ཞིབ་དཔྱད་ཞབས་ཞུ་བརྗེ་སྒྱུར་བྱེད་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guardSettingWidget</name>
    <message>
        <source>Defenses Service</source>
        <translation>སྲུང་སྐྱོབ་ཞབས་ཞུ།</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>འདོར་བ།</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ཁ་ཕྱེ།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
    <message>
        <source>IP Blocking</source>
        <translation>IP བཀག་སྡོམ།</translation>
    </message>
    <message>
        <source>IP Blocking Whitelist</source>
        <translation>IP བཀག་སྡོམ་དཀར་ཐོ།</translation>
    </message>
    <message>
        <source>IP Blocking Time</source>
        <translation>IP བཀག་སྡོམ་དུས་ཚོད།</translation>
    </message>
    <message>
        <source>s</source>
        <translation>སྐར་ཆ།</translation>
    </message>
    <message>
        <source>The blocking duration is 1~3600 (when continuous blocking is required, set to &apos;-1&apos;)</source>
        <translation>བཀག་སྡོམ་དུས་ཚོད་ 1~3600 (རྒྱུན་མཐུད་བཀག་སྡོམ་དགོས་ན་ &apos;-1&apos; ལ་སྒྲིག)</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>ད་ལྟའི་སྒྲིག་འགོད་ཀློག་མ་ཐུབ། རྗེས་སུ་ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The whitelist must be complete IPv4 addresses separated by commas</source>
        <translation>དཀར་ཐོ་ནི་ཚེག་རྟགས་ཀྱིས་ཁ་ཕྱེ་བའི་ IPv4 ཁ་བྱང་ཆ་ཚང་ཡིན་དགོས།</translation>
    </message>
    <message>
        <source>The blocking time is unreasonable, and the value range is 1~3600</source>
        <translation>བཀག་སྡོམ་དུས་ཚོད་འོས་འཚམ་མིན། གྲངས་ཐང་གི་ཁྱབ་ཁོངས་ནི་ 1~3600 ཡིན།</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>0 ལས་ཆེ་བའི་གྲངས་ཆ་ཚང་ཞིག་འཇུག་རོགས།</translation>
    </message>
    <message>
        <source>The IP blocking settings and the service switch could not be applied, please try again</source>
        <translation>IP བཀག་སྡོམ་སྒྲིག་འགོད་དང་ཞབས་ཞུའི་སྒོ་འབྱེད་ལག་བསྟར་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The IP blocking settings could not be applied, please try again</source>
        <translation>IP བཀག་སྡོམ་སྒྲིག་འགོད་ལག་བསྟར་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The defense service could not be switched, please try again</source>
        <translation>སྲུང་སྐྱོབ་ཞབས་ཞུ་བརྗེ་སྒྱུར་བྱེད་མ་ཐུབ། ཡང་བསྐྱར་ཚོད་ལྟ་གནང་རོགས།</translation>
    </message>
    <message>
        <source>The whitelist is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a part of an address must not start with 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: each part of an address must be 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
    <message>
        <source>%1: not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Choose the date range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">འདོར་བ།</translation>
    </message>
    <message>
        <source>Cancel the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting: %1 of %2 alerts written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alerts were written to %1</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>… %1 more characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvixSettingMainpage</name>
    <message>
        <source>Zorva Intrusion Detector Setting</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Basic Setting</source>
        <translation>གཞི་རྩའི་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Defense Setting</source>
        <translation>སྲུང་སྐྱོབ་སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>AI Network Threat Detect</source>
        <translation>AI དྲ་རྒྱའི་ཉེན་ཁ་ཞིབ་དཔྱད།</translation>
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
