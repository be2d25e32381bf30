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
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva བཙན་འཛུལ་ཞིབ་དཔྱད།</translation>
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
</context>
</TS>
