<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bo_CN">
<context>
    <name>lumo::KAboutDialog</name>
    <message>
        <source>This application uses the information it shows only on this computer. It does not send your personal data to anyone.</source>
        <translation>བཀོལ་སྤྱོད་འདིས་མངོན་པའི་ཆ་འཕྲིན་རྣམས་གློག་ཀླད་འདིའི་སྟེང་ཁོ་ནར་བེད་སྤྱོད་བྱེད། ཁྱེད་ཀྱི་སྒེར་གྱི་གཞི་གྲངས་སུ་ལའང་སྐྱེལ་གྱི་མེད།</translation>
    </message>
    <message>
        <source>Service &amp; Support: </source>
        <translation>ཞབས་ཞུ་དང་རྒྱབ་སྐྱོར། </translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>སྒེར་གསང་གསལ་བསྒྲགས།</translation>
    </message>
    <message>
        <source>Version number not found</source>
        <translation>པར་གཞིའི་ཨང་གྲངས་རྙེད་མ་བྱུང་།</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>པར་གཞི། %1</translation>
    </message>
    <message>
        <source>Unable to open mail application</source>
        <translation>སྦྲག་ཡིག་བཀོལ་སྤྱོད་ཁ་ཕྱེ་ཐབས་མེད།</translation>
    </message>
    <message>
        <source>Your system does not have any email application installed or the default mail application is not set up.</source>
        <translation>ཁྱེད་ཀྱི་མ་ལག་ནང་གློག་རྡུལ་སྦྲག་ཡིག་གི་བཀོལ་སྤྱོད་གང་ཡང་སྒྲིག་འཇུག་བྱས་མེད་པའམ། ཡང་ན་སྔོན་སྒྲིག་སྦྲག་ཡིག་བཀོལ་སྤྱོད་བཀོད་སྒྲིག་བྱས་མེད།</translation>
    </message>
</context>
<context>
    <name>lumo::KMenuButton</name>
    <message>
        <source>Options</source>
        <translation>འདེམས་ཚན།</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>སྒྲིག་འགོད།</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>བརྗོད་གཞི།</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>རོགས་རམ།</translation>
    </message>
    <message>
        <source>About</source>
        <translation>སྐོར།</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ལྡོག་འདྲེན།</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ཕྱིར་འཐེན།</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>རང་འགུལ།</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>མདོག་སྐྱ།</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>མདོག་ནག</translation>
    </message>
</context>
<context>
    <name>lumo::KWindowButtonBar</name>
    <message>
        <source>Maximize</source>
        <translation>ཆེ་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>སླར་གསོ།</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>ཆུང་ཤོས་སུ་གཏོང་།</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ཁ་རྒྱོབ།</translation>
    </message>
</context>
<context>
    <name>KNavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>ཕྱོགས་སྟོན།</translation>
    </message>
</context>
</TS>
