<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn_MN">
<context>
    <name>lumo::KAboutDialog</name>
    <message>
        <source>This application uses the information it shows only on this computer. It does not send your personal data to anyone.</source>
        <translation>Энэ програм харуулж буй мэдээллээ зөвхөн энэ компьютер дээр ашигладаг. Таны хувийн мэдээллийг хэнд ч илгээдэггүй.</translation>
    </message>
    <message>
        <source>Service &amp; Support: </source>
        <translation>Үйлчилгээ ба дэмжлэг: </translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Нууцлалын мэдэгдэл</translation>
    </message>
    <message>
        <source>Version number not found</source>
        <translation>Хувилбарын дугаар олдсонгүй</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Хувилбар: %1</translation>
    </message>
    <message>
        <source>Unable to open mail application</source>
        <translation>Шуудангийн програмыг нээж чадсангүй</translation>
    </message>
    <message>
        <source>Your system does not have any email application installed or the default mail application is not set up.</source>
        <translation>Таны системд цахим шуудангийн програм суулгаагүй эсвэл үндсэн шуудангийн програмыг тохируулаагүй байна.</translation>
    </message>
</context>
<context>
    <name>lumo::KMenuButton</name>
    <message>
        <source>Options</source>
        <translation>Сонголтууд</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Тохиргоо</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Загвар</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Тусламж</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Тухай</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Санал хүсэлт</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Гарах</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автомат</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Цайвар</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Бараан</translation>
    </message>
</context>
<context>
    <name>lumo::KWindowButtonBar</name>
    <message>
        <source>Maximize</source>
        <translation>Томруулах</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Сэргээх</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Багасгах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
</context>
<context>
    <name>KNavigationBar</name>
    <message>
        <source>Navigation</source>
        <translation>Навигаци</translation>
    </message>
</context>
</TS>
