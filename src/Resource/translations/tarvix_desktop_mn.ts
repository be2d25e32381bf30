<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn_MN">
<context>
    <name>CustomButton</name>
    <message>
        <location filename="../../widgets/custombutton.cpp" line="+40"/>
        <source>Confirm</source>
        <translation>Батлах</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Configuring</source>
        <translation>Тохируулж байна</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <location filename="../../widgets/datetimerangewidget.cpp" line="+55"/>
        <source>Form</source>
        <translation>Маягт</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+112"/>
        <source>Confirm</source>
        <translation>Батлах</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The screening start time cannot be later than the end time</source>
        <translation>Шүүлтийн эхлэх хугацаа дуусах хугацаанаас хойш байж болохгүй</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../../app/main.cpp" line="+67"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva халдлага илрүүлэгч</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <location filename="../../logpage/notifylogmainpage.cpp" line="+86"/>
        <source>A total of</source>
        <translation>Нийт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>alarm logs</source>
        <translation>сэрэмжлүүлгийн бүртгэл</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+90"/>
        <location line="+23"/>
        <location line="+1"/>
        <source>So far</source>
        <translation>Одоог хүртэл</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Reload</source>
        <translation>Шинэчлэх</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>There are no alarm logs</source>
        <translation>Сэрэмжлүүлгийн бүртгэл алга</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <location filename="../../logpage/notify_log_frame.cpp" line="+195"/>
        <source>Level: </source>
        <translation>Түвшин: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>severe</source>
        <translation>ноцтой</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal</source>
        <translation>энгийн</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>other</source>
        <translation>бусад</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+20"/>
        <source>Time of occurrence: </source>
        <translation>Гарсан хугацаа: </translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>Log Source: </source>
        <translation>Бүртгэлийн эх сурвалж: </translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Rule No.: </source>
        <translation>Дүрмийн дугаар: </translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Group Category: </source>
        <translation>Бүлгийн ангилал: </translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+14"/>
        <source>User: </source>
        <translation>Хэрэглэгч: </translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+12"/>
        <source>Source IP: </source>
        <translation>Эх IP: </translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+11"/>
        <source>Target IP: </source>
        <translation>Зорилтот IP: </translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>Raw logs: </source>
        <translation>Анхны бүртгэл: </translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+6"/>
        <source>Associated Informations: </source>
        <translation>Холбогдох мэдээлэл: </translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <location filename="../../app/tarvixmainpage.cpp" line="+59"/>
        <location line="+102"/>
        <location line="+222"/>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva халдлага илрүүлэгч</translation>
    </message>
    <message>
        <location line="-208"/>
        <source>Maximize</source>
        <translation>Томруулах</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Багасгах</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Option</source>
        <translation>Сонголт</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+134"/>
        <source>About</source>
        <translation>Тухай</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+135"/>
        <source>Help</source>
        <translation>Тусламж</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+130"/>
        <source>Quit</source>
        <translation>Гарах</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Alarm Logs</source>
        <translation>Бүртгэл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm Statistics</source>
        <translation>Статистик</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setting</source>
        <translation>Тохиргоо</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Version Number: </source>
        <translation>Хувилбарын дугаар: </translation>
    </message>
</context>
</TS>
