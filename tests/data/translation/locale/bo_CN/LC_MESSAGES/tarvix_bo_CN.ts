<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bo_CN">
<context>
    <name>rules</name>
    <message>
        <source>Brute force login attempt</source>
        <translation>ཤེད་སྤྱོད་ནང་འཛུལ་ཚོད་ལྟ།</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>ཅོག་ངོས།</translation>
    </message>
</context>
</TS>
