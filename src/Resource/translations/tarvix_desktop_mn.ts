<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn_MN">
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
        <translation>Сэрэмжлүүлгийн бүртгэлийг уншиж чадсангүй</translation>
    </message>
    <message>
        <source>The detection service could not be reached</source>
        <translation>Илрүүлэх үйлчилгээтэй холбогдож чадсангүй</translation>
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
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AllAttackStatisticsData</name>
    <message>
        <source>All sources of attack</source>
        <translation>Бүх халдлагын эх сурвалж</translation>
    </message>
    <message>
        <source>Attack IP: </source>
        <translation>Халдлагын IP: </translation>
    </message>
</context>
<context>
    <name>AllStatisticsWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Багасгах</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Томруулах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <source>Zorva Intrusion Detector</source>
        <translation type="unfinished">Zorva халдлага илрүүлэгч</translation>
    </message>
</context>
<context>
    <name>AllUserStatisticsData</name>
    <message>
        <source>All user statistics</source>
        <translation>Бүх хэрэглэгчийн статистик</translation>
    </message>
</context>
<context>
    <name>AttackStatisticsWidget</name>
    <message>
        <source>Statistics on attack sources</source>
        <translation>Халдлагын эх сурвалжийн статистик</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>Халдлагын IP:</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Халдлага</translation>
    </message>
    <message>
        <source>times</source>
        <translation>удаа</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>Сүүлийн халдлагын хугацаа:</translation>
    </message>
    <message>
        <source>There are no source of attack</source>
        <translation>Халдлагын эх сурвалж алга</translation>
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
        <translation>Батлах</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Тохируулж байна</translation>
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
    <name>EventStatisticsWidget</name>
    <message>
        <source>Statistics of event</source>
        <translation>Үйл явдлын статистик</translation>
    </message>
    <message>
        <source>happen</source>
        <translation>Гарсан</translation>
    </message>
    <message>
        <source>times</source>
        <translation>удаа</translation>
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
        <translation>Үйл явдлын гарчиг</translation>
    </message>
    <message>
        <source>Alert Level</source>
        <translation>Сэрэмжлүүлгийн түвшин</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Эх сурвалж</translation>
    </message>
    <message>
        <source>Happen Time</source>
        <translation>Гарсан хугацаа</translation>
    </message>
</context>
<context>
    <name>EventTableView</name>
    <message>
        <source>There is no alarm information</source>
        <translation>Сэрэмжлүүлгийн мэдээлэл алга</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>There are no alarms in the chosen range; no report was written.</source>
        <translation>Сонгосон хугацаанд сэрэмжлүүлэг алга тул тайлан бичээгүй.</translation>
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
        <translation>Тайланг бичиж чадсангүй: %1 хавтас руу бичих боломжгүй.</translation>
    </message>
    <message>
        <source>The report could not be written: the name %1 is too long for the file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written: the folder %1 does not exist.</source>
        <translation>Тайланг бичиж чадсангүй: %1 хавтас байхгүй.</translation>
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
        <translation>Zorva халдлага илрүүлэгч</translation>
    </message>
</context>
<context>
    <name>RankingCard</name>
    <message>
        <source>See all</source>
        <translation>Бүгдийг харах</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Intrusion detection statistics report</source>
        <translation>Халдлага илрүүлэх статистик тайлан</translation>
    </message>
    <message>
        <source>All event statistics</source>
        <translation>Бүх үйл явдлын статистик</translation>
    </message>
    <message>
        <source>All sources of attack</source>
        <translation>Бүх халдлагын эх сурвалж</translation>
    </message>
    <message>
        <source>Attack IP</source>
        <translation>Халдлагын IP</translation>
    </message>
    <message>
        <source>Attack times</source>
        <translation>Халдлагын тоо</translation>
    </message>
    <message>
        <source>Attack IP:</source>
        <translation>Халдлагын IP:</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>Сүүлийн халдлагын хугацаа:</translation>
    </message>
    <message>
        <source>All user statistics</source>
        <translation>Бүх хэрэглэгчийн статистик</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Хэрэглэгч</translation>
    </message>
    <message>
        <source>Attack Times</source>
        <translation>Халдлагын тоо</translation>
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
        <translation>16-р түвшин</translation>
    </message>
    <message>
        <source>Level 15</source>
        <translation>15-р түвшин</translation>
    </message>
    <message>
        <source>Level 14</source>
        <translation>14-р түвшин</translation>
    </message>
    <message>
        <source>Level 13</source>
        <translation>13-р түвшин</translation>
    </message>
    <message>
        <source>Level 12</source>
        <translation>12-р түвшин</translation>
    </message>
</context>
<context>
    <name>TarvixMessageDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Батлах</translation>
    </message>
</context>
<context>
    <name>UserStatisticsWidget</name>
    <message>
        <source>User statistics</source>
        <translation>Хэрэглэгчийн статистик</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>хэрэглэгчийн нэр</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Халдлага</translation>
    </message>
    <message>
        <source>times</source>
        <translation>удаа</translation>
    </message>
    <message>
        <source>Latest attack time:</source>
        <translation>Сүүлийн халдлагын хугацаа:</translation>
    </message>
    <message>
        <source>There are no user statistics</source>
        <translation>Хэрэглэгчийн статистик алга</translation>
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
        <translation>Хүсэлтийн тоо 60~100 хооронд</translation>
    </message>
    <message>
        <source>The number of requests ranges from 300~1000</source>
        <translation>Хүсэлтийн тоо 300~1000 хооронд</translation>
    </message>
    <message>
        <source>DNS Request Num</source>
        <translation>DNS хүсэлтийн тоо</translation>
    </message>
    <message>
        <source>SYN Request Num</source>
        <translation>SYN хүсэлтийн тоо</translation>
    </message>
    <message>
        <source>ACK Request Num</source>
        <translation>ACK хүсэлтийн тоо</translation>
    </message>
    <message>
        <source>UDP Request Num</source>
        <translation>UDP хүсэлтийн тоо</translation>
    </message>
    <message>
        <source>ICMP Request Num</source>
        <translation>ICMP хүсэлтийн тоо</translation>
    </message>
    <message>
        <source>The input cannot be empty</source>
        <translation>Хоосон байж болохгүй</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>Тоо оруулна уу</translation>
    </message>
    <message>
        <source>The number of requests is unreasonable, and the value range is</source>
        <translation>Хүсэлтийн тоо буруу, зөвшөөрөгдөх хүрээ</translation>
    </message>
</context>
<context>
    <name>aiNetSettingWidget</name>
    <message>
        <source>Are you sure you want to open the ai net service?</source>
        <translation>AI сүлжээний аюул илрүүлэх үйлчилгээг нээх үү?</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time, but affect system performance</source>
        <translation>Нээсний дараа сүлжээний урсгалын эрсдэлийг бодит хугацаанд илрүүлэх боловч системийн гүйцэтгэлд нөлөөлнө</translation>
    </message>
    <message>
        <source>Download and install</source>
        <translation>Татаж суулгах</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ойлголоо</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Дахин оролдох</translation>
    </message>
    <message>
        <source>Install the AI Cyber Threat Detection service first</source>
        <translation>Эхлээд AI сүлжээний аюул илрүүлэх үйлчилгээг суулгана уу</translation>
    </message>
    <message>
        <source>Downloading and installing, please do not turn off the computer···</source>
        <translation>Татаж суулгаж байна, компьютерээ бүү унтраана уу···</translation>
    </message>
    <message>
        <source>The service is successfully installed, please restart the tool</source>
        <translation>Үйлчилгээг амжилттай суулгалаа, хэрэгслийг дахин эхлүүлнэ үү</translation>
    </message>
    <message>
        <source>The service installation failed, please try again</source>
        <translation>Үйлчилгээг суулгаж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>AI Network Threat Detect Service</source>
        <translation>AI сүлжээний аюул илрүүлэх үйлчилгээ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Нээх</translation>
    </message>
    <message>
        <source>Once open, it will detect network traffic security risks in real time</source>
        <translation>Нээвэл сүлжээний урсгалын эрсдэлийг бодит хугацаанд илрүүлнэ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>Одоогийн тохиргоог уншиж чадсангүй, дараа дахин оролдоно уу</translation>
    </message>
    <message>
        <source>Threat Detect Config</source>
        <translation>Аюул илрүүлэх тохиргоо</translation>
    </message>
    <message>
        <source>Observation Period</source>
        <translation>Ажиглалтын хугацаа</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>The time interval between the number of abnormal packets sent from external IP addresses</source>
        <translation>Гадаад IP хаягаас илгээсэн хэвийн бус пакетийг тоолох хугацааны завсар</translation>
    </message>
    <message>
        <source>The period range is 10~1000</source>
        <translation>Хугацаа 10~1000 хооронд</translation>
    </message>
    <message>
        <source>Advanced Setting</source>
        <translation>Нарийвчилсан тохиргоо</translation>
    </message>
    <message>
        <source>The larger the request value, the more relaxed the network detection conditions are</source>
        <translation>Хүсэлтийн тоо их байх тусам сүлжээний илрүүлэлтийн нөхцөл сул болно</translation>
    </message>
    <message>
        <source>The AI network threat detection service could not be switched, please try again</source>
        <translation>AI сүлжээний аюул илрүүлэх үйлчилгээг сэлгэж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>Тоо оруулна уу</translation>
    </message>
    <message>
        <source>The observation period is unreasonable, and the value range is 10~1000</source>
        <translation>Ажиглалтын хугацаа буруу, 10~1000 хооронд байна</translation>
    </message>
</context>
<context>
    <name>allEventStatisticsWidget</name>
    <message>
        <source>All event statistics</source>
        <translation>Бүх үйл явдлын статистик</translation>
    </message>
</context>
<context>
    <name>basicSettingWidget</name>
    <message>
        <source>Zorva Intrusion Detector Service</source>
        <translation>Zorva халдлага илрүүлэгчийн үйлчилгээ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>Одоогийн тохиргоог уншиж чадсангүй, дараа дахин оролдоно уу</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Нээх</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <source>Once closed, it will not be possible to detect system security risks in real time</source>
        <translation>Хаавал системийн эрсдэлийг бодит хугацаанд илрүүлэхгүй</translation>
    </message>
    <message>
        <source>Desktop Notification Settings</source>
        <translation>Ширээний мэдэгдлийн тохиргоо</translation>
    </message>
    <message>
        <source>Open desktop notification</source>
        <translation>Ширээний мэдэгдэл</translation>
    </message>
    <message>
        <source>Notification Timeout</source>
        <translation>Мэдэгдлийн хугацаа</translation>
    </message>
    <message>
        <source>s</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>The notification duration is 1~60 (set to &apos;-1&apos; if continuous notification is required)</source>
        <translation>Мэдэгдлийн хугацаа 1~60 (тасралтгүй мэдэгдэл хэрэгтэй бол &apos;-1&apos; гэж тохируулна)</translation>
    </message>
    <message>
        <source>Notification Fold</source>
        <translation>Мэдэгдэл эвхэх</translation>
    </message>
    <message>
        <source>The notification duration is unreasonable, and the value range is 1~60</source>
        <translation>Мэдэгдлийн хугацаа буруу, 1~60 хооронд байна</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>0-ээс их бүхэл тоо оруулна уу</translation>
    </message>
    <message>
        <source>The notification settings and the service switch could not be applied, please try again</source>
        <translation>Мэдэгдлийн тохиргоо болон үйлчилгээний унтраалгыг хэрэгжүүлж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The desktop notification settings could not be applied, please try again</source>
        <translation>Ширээний мэдэгдлийн тохиргоог хэрэгжүүлж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The detection services could not be switched, please try again</source>
        <translation>Илрүүлэх үйлчилгээг сэлгэж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>Зай эсвэл нэмэх тэмдэггүйгээр тоог оруулна уу</translation>
    </message>
</context>
<context>
    <name>guardSettingWidget</name>
    <message>
        <source>Defenses Service</source>
        <translation>Хамгаалалтын үйлчилгээ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Нээх</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Хаах</translation>
    </message>
    <message>
        <source>IP Blocking</source>
        <translation>IP хаалт</translation>
    </message>
    <message>
        <source>IP Blocking Whitelist</source>
        <translation>IP хаалтын цагаан жагсаалт</translation>
    </message>
    <message>
        <source>IP Blocking Time</source>
        <translation>IP хаалтын хугацаа</translation>
    </message>
    <message>
        <source>s</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>The blocking duration is 1~3600 (when continuous blocking is required, set to &apos;-1&apos;)</source>
        <translation>Хаалтын хугацаа 1~3600 (тасралтгүй хаах бол &apos;-1&apos; гэж тохируулна)</translation>
    </message>
    <message>
        <source>The current settings could not be read, please try again later</source>
        <translation>Одоогийн тохиргоог уншиж чадсангүй, дараа дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The whitelist must be complete IPv4 addresses separated by commas</source>
        <translation>Цагаан жагсаалт нь таслалаар тусгаарласан бүтэн IPv4 хаягууд байх ёстой</translation>
    </message>
    <message>
        <source>The blocking time is unreasonable, and the value range is 1~3600</source>
        <translation>Хаалтын хугацаа буруу, 1~3600 хооронд байна</translation>
    </message>
    <message>
        <source>Please enter an integer greater than 0</source>
        <translation>0-ээс их бүхэл тоо оруулна уу</translation>
    </message>
    <message>
        <source>The IP blocking settings and the service switch could not be applied, please try again</source>
        <translation>IP хаалтын тохиргоо болон үйлчилгээний унтраалгыг хэрэгжүүлж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The IP blocking settings could not be applied, please try again</source>
        <translation>IP хаалтын тохиргоог хэрэгжүүлж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The defense service could not be switched, please try again</source>
        <translation>Хамгаалалтын үйлчилгээг сэлгэж чадсангүй, дахин оролдоно уу</translation>
    </message>
    <message>
        <source>The whitelist is longer than %1 characters</source>
        <translation>Цагаан жагсаалт %1 тэмдэгтээс урт байна</translation>
    </message>
    <message>
        <source>%1: a part of an address must not start with 0</source>
        <translation>%1: хаягийн хэсэг 0-ээр эхэлж болохгүй</translation>
    </message>
    <message>
        <source>%1: each part of an address must be 0 to 255</source>
        <translation>%1: хаягийн хэсэг бүр 0-ээс 255 хооронд байх ёстой</translation>
    </message>
    <message>
        <source>Please enter the number without blanks or a plus sign</source>
        <translation>Зай эсвэл нэмэх тэмдэггүйгээр тоог оруулна уу</translation>
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
        <translation>Байхгүй</translation>
    </message>
    <message>
        <source>The AI network detection service is not installed, AI inference is unavailable. Please go first</source>
        <translation>AI сүлжээний аюул илрүүлэх үйлчилгээ суулгаагүй тул AI дүгнэлт ашиглах боломжгүй. Эхлээд</translation>
    </message>
    <message>
        <source>install the &apos;AI Network Inspection Service&apos;, and if so, restart the intrusion detection tool</source>
        <translation>хэсэгт очиж «AI сүлжээний аюул илрүүлэх үйлчилгээ»-г суулгаад халдлага илрүүлэгчийг дахин эхлүүлнэ үү</translation>
    </message>
    <message>
        <source>Alarm Statistics - Settings</source>
        <translation>Статистик - Тохиргоо</translation>
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
        <translation>цаг</translation>
    </message>
    <message>
        <source>Intrusion detection protection total</source>
        <translation>Нийт хамгаалсан хугацаа</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>ш</translation>
    </message>
    <message>
        <source>Total number of log events</source>
        <translation>Бүртгэлийн үйл явдлын тоо</translation>
    </message>
    <message>
        <source>times</source>
        <translation>удаа</translation>
    </message>
    <message>
        <source>Number of AI inferences</source>
        <translation>AI дүгнэлтийн тоо</translation>
    </message>
    <message>
        <source>Total alerts</source>
        <translation>Нийт сэрэмжлүүлэг</translation>
    </message>
    <message>
        <source>Alarm statistics</source>
        <translation>Сэрэмжлүүлгийн статистик</translation>
    </message>
    <message>
        <source>So far</source>
        <translation>Одоог хүртэл</translation>
    </message>
    <message>
        <source>Export a statistical report</source>
        <translation>Статистик тайлан гаргах</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Шинэчлэх</translation>
    </message>
    <message>
        <source>There are no alarm details</source>
        <translation>Сэрэмжлүүлгийн дэлгэрэнгүй алга</translation>
    </message>
    <message>
        <source>Loading alarm statistics...</source>
        <translation>Статистик ачаалж байна...</translation>
    </message>
    <message>
        <source>Alarm level statistics</source>
        <translation>Сэрэмжлүүлгийн түвшний статистик</translation>
    </message>
    <message>
        <source>High-risk alerts (level 15-16)</source>
        <translation>Өндөр эрсдэлтэй (15-16-р түвшин)</translation>
    </message>
    <message>
        <source>Normal-risk alerts (level 12-14)</source>
        <translation>Энгийн эрсдэлтэй (12-14-р түвшин)</translation>
    </message>
    <message>
        <source>Date distribution of alarm severity</source>
        <translation>Сэрэмжлүүлгийн түвшний өдрийн тархалт</translation>
    </message>
    <message>
        <source>Distribution of the number of alarm severities</source>
        <translation>Сэрэмжлүүлгийн түвшний тооны тархалт</translation>
    </message>
    <message>
        <source>The report could not be written: its picture could not be made.</source>
        <translation>Тайланг бичиж чадсангүй: тайлангийн зургийг үүсгэж чадсангүй.</translation>
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
        <translation type="unfinished">Цуцлах</translation>
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
        <translation>Zorva халдлага илрүүлэгчийн тохиргоо</translation>
    </message>
    <message>
        <source>Basic Setting</source>
        <translation>Үндсэн тохиргоо</translation>
    </message>
    <message>
        <source>Defense Setting</source>
        <translation>Хамгаалалтын тохиргоо</translation>
    </message>
    <message>
        <source>AI Network Threat Detect</source>
        <translation>AI сүлжээний аюул илрүүлэлт</translation>
    </message>
</context>
<context>
    <name>tipDialog</name>
    <message>
        <source>High risk:</source>
        <translation>Өндөр:</translation>
    </message>
    <message>
        <source>Normal risk:</source>
        <translation>Энгийн:</translation>
    </message>
</context>
</TS>
