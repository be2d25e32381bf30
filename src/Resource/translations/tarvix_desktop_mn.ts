<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn_MN">
<context>
    <name>AlertStore</name>
    <message>
        <source>The alarm logs could not be read</source>
        <translation>Сэрэмжлүүлгийн бүртгэлийг уншиж чадсангүй</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>Илрүүлэх үйлчилгээтэй холбогдож чадсангүй</translation>
    </message>
</context>
<context>
    <name>CustomButton</name>
    <message>
        <source>Confirm</source>
        <translation>Батлах</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Тохируулж байна</translation>
    </message>
</context>
<context>
    <name>DateTimeRangeWidget</name>
    <message>
        <source>Form</source>
        <translation>Маягт</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Батлах</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>The screening start time cannot be later than the end time</source>
        <translation>Шүүлтийн эхлэх хугацаа дуусах хугацаанаас хойш байж болохгүй</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Өнөөдөр</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Сүүлийн 7 хоног</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Сүүлийн 30 хоног</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Бүгд</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva халдлага илрүүлэгч</translation>
    </message>
</context>
<context>
    <name>notifyLogMainPage</name>
    <message>
        <source>A total of</source>
        <translation>Нийт</translation>
    </message>
    <message>
        <source>alarm logs</source>
        <translation>бүртгэл</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>Одоог хүртэл</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Шинэчлэх</translation>
    </message>
    <message>
        <source>There are no alarm logs</source>
        <translation>Сэрэмжлүүлгийн бүртгэл алга</translation>
    </message>
    <message>
        <source>Loading alarm logs...</source>
        <translation>Сэрэмжлүүлгийн бүртгэл ачаалж байна...</translation>
    </message>
    <message>
        <source>No alarm logs loaded</source>
        <translation>Бүртгэл ачаалагдаагүй</translation>
    </message>
    <message>
        <source>%1 of %2 alarm logs</source>
        <translation>%2 бүртгэлээс %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Хайх</translation>
    </message>
    <message>
        <source>Rule description, source IP, user, log source or raw logs</source>
        <translation>Дүрмийн тайлбар, эх IP, хэрэглэгч, бүртгэлийн эх сурвалж эсвэл анхны бүртгэл</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Бүх түвшин</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Өндөр эрсдэл</translation>
    </message>
    <message>
        <source>Normal risk</source>
        <translation>Энгийн эрсдэл</translation>
    </message>
    <message>
        <source>No matching alarm logs</source>
        <translation>Тохирох бүртгэл алга</translation>
    </message>
    <message>
        <source>Reload failed: %1</source>
        <translation>Шинэчилж чадсангүй: %1</translation>
    </message>
    <message>
        <source>Press Reload to try again.</source>
        <translation>Дахин оролдохын тулд «Шинэчлэх»-ийг дарна уу.</translation>
    </message>
</context>
<context>
    <name>notify_log_frame</name>
    <message>
        <source>Level: </source>
        <translation>Түвшин: </translation>
    </message>
    <message>
        <source>severe</source>
        <translation>ноцтой</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>энгийн</translation>
    </message>
    <message>
        <source>other</source>
        <translation>бусад</translation>
    </message>
    <message>
        <source>Time of occurrence: </source>
        <translation>Гарсан хугацаа: </translation>
    </message>
    <message>
        <source>Log Source: </source>
        <translation>Бүртгэлийн эх сурвалж: </translation>
    </message>
    <message>
        <source>Rule No.: </source>
        <translation>Дүрмийн дугаар: </translation>
    </message>
    <message>
        <source>Group Category: </source>
        <translation>Бүлгийн ангилал: </translation>
    </message>
    <message>
        <source>User: </source>
        <translation>Хэрэглэгч: </translation>
    </message>
    <message>
        <source>Source IP: </source>
        <translation>Эх IP: </translation>
    </message>
    <message>
        <source>Target IP: </source>
        <translation>Зорилтот IP: </translation>
    </message>
    <message>
        <source>Raw logs: </source>
        <translation>Анхны бүртгэл: </translation>
    </message>
    <message>
        <source>Associated Informations: </source>
        <translation>Холбогдох мэдээлэл: </translation>
    </message>
</context>
<context>
    <name>tarvixMainPage</name>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation>Zorva халдлага илрүүлэгч</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Томруулах</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Багасгах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Сонголт</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Тухай</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Тусламж</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Гарах</translation>
    </message>
    <message>
        <source>Alarm Logs</source>
        <translation>Бүртгэл</translation>
    </message>
    <message>
        <source>Alarm Statistics</source>
        <translation>Статистик</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Тохиргоо</translation>
    </message>
    <message>
        <source>Version Number: </source>
        <translation>Хувилбарын дугаар: </translation>
    </message>
</context>
</TS>
