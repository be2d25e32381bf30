<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn_MN">
<context>
    <name>rules</name>
    <message>
        <source>Brute force login attempt</source>
        <translation>ᠬᠦᠴᠦᠯᠡᠨ ᠨᠡᠪᠲᠡᠷᠡᠬᠦ ᠣᠷᠣᠯᠳᠣᠯᠭ᠎ᠠ</translation>
    </message>
</context>
</TS>
