// An alert's entry in the alarm log, and which alerts the log's search and severity choice keep.

#include "logpage/alertfilter.h"
#include "logpage/framelinewidget.h"
#include "logpage/notify_log_frame.h"
#include "reportdata/alertfields.h"
#include "support/alertlog.h"
#include "translation/translation.h"

#include <QLabel>
#include <QtTest>

namespace {

notifyLogData sampleAlert(int level)
{
    return { 5712, level, "1709633472.1001", "2024 Mar 05 10:11:12", "zorva-pc->/var/log/auth.log",
        "sshd: brute force trying to get access to the system.", {}, {}, 0, {}, 0, {}, {}, {} };
}

QLabel *label(const QWidget &frame, const char *name)
{
    return frame.findChild<QLabel *>(name);
}

// Caption texts of the detail section, in order, once the arrow has opened it.
QStringList detailCaptions(notify_log_frame &frame)
{
    QTest::mousePress(frame.findChild<QLabel *>("upDownIconLabel"), Qt::LeftButton);
    QStringList captions;
    QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
    const auto labels = details->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (int i = 0; i < labels.size(); i += 2)
        captions << labels[i]->text();
    return captions;
}

// The texts of the visible rows (time and source).
QStringList rowTexts(const notify_log_frame &frame)
{
    QStringList texts;
    for (QLabel *l : frame.findChild<QWidget *>("frame")->findChildren<QLabel *>())
        texts << l->text();
    return texts;
}

bool isRed(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

loginfo alert(int level, const std::string &comment = "sshd: brute force")
{
    return { 0, level, {}, {}, "zorva-pc->/var/log/auth.log", comment, {}, "10.0.0.7", 0, {}, 0, "root",
        "Mar  5 10:11:12 zorva-pc sshd[811]: Failed password", "second line\nthird line" };
}

int kept(const QString &text, const std::vector<loginfo> &alerts,
    AlertFilter::Severity severity = AlertFilter::AnySeverity, const Translation *titles = nullptr)
{
    return int(AlertFilter(text, severity, titles).apply(alerts).size());
}

} // namespace

class TestNotifyLogFrame : public QObject
{
    Q_OBJECT

private slots:
    void severityWordsAndColours()
    {
        for (const auto &[level, word] :
            std::vector<std::pair<int, QString>> { { 15, "severe" }, { 14, "normal" }, { 11, "other" } }) {
            notify_log_frame frame(sampleAlert(level));
            QCOMPARE(label(frame, "loglevelLabel")->text() + " " + label(frame, "logtypeLabel")->text(),
                QString("Level: %1 %2").arg(level).arg(word));
            QVERIFY(isRed(label(frame, "loglevelLabel")) == (level >= 15)
                && isRed(label(frame, "logtypeLabel")) == (level >= 15));
            QCOMPARE(frame.size(), QSize(858, 164));
        }
    }

    // Alert texts are attacker-influenced: never markup, and direction controls (a right-to-left override
    // makes "invoice<RLO>gnp.exe" read "invoiceexe.png") are shown as marks in every label.
    void alertTextsShownAsTheyStand()
    {
        notifyLogData data = sampleAlert(15);
        data.comment = QString::fromUtf8("<b>bold</b>invoice\u202Egnp.exe");
        data.location = "<a href='http://x'>link</a>";
        data.user = QString::fromUtf8("\u2066root\u2069");
        data.firstLog = QString::fromUtf8("<script>sshd: \u202BAccepted\u202C</script>");
        notify_log_frame frame(data);
        frame.setHighLight(); // every label made
        QStringList texts;
        for (QLabel *l : frame.findChildren<QLabel *>()) {
            texts << l->text();
            QVERIFY(!l->text().contains('<') || l->textFormat() == Qt::PlainText);
        }
        QVERIFY(!texts.join("").contains(QRegularExpression("[\u202A-\u202E\u2066-\u2069]")));
        QCOMPARE(label(frame, "loginfoTitleLabel")->text(), QString("<b>bold</b>invoice<U+202E>gnp.exe"));
        for (const QString &shown : { QString("<U+2066>root<U+2069>"),
                 QString("<script>sshd: <U+202B>Accepted<U+202C></script>"), data.location })
            QVERIFY2(texts.contains(shown), qPrintable(shown));
    }

    // One unbroken line of 65,000 characters and one of 13,000 words: each is shown up to the bound, says
    // what it leaves out and wraps within the entry; copying the alert gives all of it.
    void wideAlertStaysWithinItsEntry()
    {
        notifyLogData data = sampleAlert(12);
        data.firstLog = QString(65000, 'x');
        data.otherLogs = QString("word ").repeated(13000).trimmed();
        notify_log_frame frame(data);
        frame.resize(858, 164);
        frame.setExpanded(true);
        frame.show();
        QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
        const auto labels = details->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(labels.size(), 6); // rule number, raw logs, associated lines
        QVERIFY(labels[3]->text().endsWith(" … 63,000 more characters"));
        QVERIFY(labels[5]->text().endsWith(" … 62,999 more characters"));
        QVERIFY(labels[3]->text().size() < notify_log_frame::SHOWN_LINE_CHARS * 11 / 10);
        QVERIFY(frame.heightForWidth(858) < 2000 && frame.minimumSizeHint().width() <= 858);
        const QString copied = notify_log_frame::alertText(data);
        QVERIFY(
            copied.contains("\nRaw logs: " + data.firstLog + "\nAssociated Informations: " + data.otherLogs));
    }

    // Selectable where the pointer is, and while text is selected.
    void textTurnsSelectableUnderThePointer()
    {
        notify_log_frame frame(sampleAlert(12));
        frame.show();
        QLabel *title = label(frame, "loginfoTitleLabel");
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCOMPARE(title->textInteractionFlags(), Qt::LinksAccessibleByMouse);
        QApplication::sendEvent(title, &enter);
        QCOMPARE(title->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
        title->setSelection(0, 4);
        QApplication::sendEvent(title, &leave);
        QCOMPARE(title->selectedText(), QString("sshd"));
        title->setSelection(0, 0);
        QApplication::sendEvent(title, &leave);
        QCOMPARE(title->textInteractionFlags(), Qt::LinksAccessibleByMouse);
    }

    // The arrow opens and closes the details, made when first opened with a line for each field the alert
    // has; a highlight opens them and colours the title and every detail line red.
    void detailsOpenByArrowAndHighlight()
    {
        // A date shown as recorded; only the empty separator line after the first raw line.
        notify_log_frame bareFrame(
            { 5712, 12, {}, "not a date", {}, "sshd", {}, {}, 0, {}, 0, {}, "raw", "\n" });
        QCOMPARE(detailCaptions(bareFrame), QStringList({ "Rule No.: ", "Raw logs: " }));
        QVERIFY(rowTexts(bareFrame).contains("not a date"));

        notify_log_frame frame(
            { 5712, 12, {}, "2024 Mar 05 10:11:12", "host->/var/log/auth.log", "sshd: brute force",
                "syslog,sshd,", "10.0.0.7", 0, "192.168.1.10", 0, "root", "first", "second\nthird" });
        frame.show();
        QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
        QLabel *arrow = label(frame, "upDownIconLabel");
        const QImage down = arrow->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(!details->isVisible() && !frame.findChild<FrameLineWidget *>());
        QCOMPARE(detailCaptions(frame), // opens them
            QStringList({ "Rule No.: ", "Group Category: ", "User: ", "Source IP: ", "Target IP: ",
                "Raw logs: ", "Associated Informations: " }));
        QVERIFY(rowTexts(frame).contains("2024/03/05 10:11:12")
            && rowTexts(frame).contains("host->/var/log/auth.log"));
        FrameLineWidget *line = frame.findChild<FrameLineWidget *>();
        QVERIFY(details->isVisible() && line->isVisible());
        QVERIFY(line->y() > label(frame, "loginfoTitleLabel")->y()); // under the time and source rows
        QVERIFY(arrow->pixmap(Qt::ReturnByValue).toImage() != down);
        QTest::mousePress(arrow, Qt::LeftButton);
        QVERIFY(!details->isVisible() && !line->isVisible());
        QCOMPARE(arrow->pixmap(Qt::ReturnByValue).toImage(), down);

        frame.setHighLight();
        QVERIFY(details->isVisible() && isRed(label(frame, "loginfoTitleLabel")));
        for (QLabel *l : details->findChildren<QLabel *>())
            QVERIFY(isRed(l)); // palettes propagate to every detail line
        QVERIFY(!isRed(label(frame, "loglevelLabel"))); // level 12 keeps its colour
    }

    // The fast scan against Qt's own case-insensitive search, on texts made to put matches and near misses at
    // every offset and length. Bit 0x20 also joins '@' and '`', '[' and '{': near misses of their own.
    void scanAgreesWithQt()
    {
        QRandomGenerator random(7);
        const std::string letters = "aAbB.-0@`[{";
        const auto text = [&](int length) {
            std::string made;
            for (; length > 0; --length)
                made += letters[random.bounded(int(letters.size()))];
            return made;
        };
        for (int round = 0; round < 5000; ++round) {
            loginfo a = alert(12, "x");
            a.srcIp = a.user = a.firstLog = a.otherLogs = "";
            a.location = text(random.bounded(40));
            const QString needle = QString::fromStdString(text(1 + random.bounded(4)));
            const bool expected = QString::fromStdString(a.location).contains(needle, Qt::CaseInsensitive);
            QCOMPARE(kept(needle, { a }) == 1, expected);
        }
    }

    // Every field in any case, translated descriptions, severities, and when
    // typing on may search only what the last keystroke kept.
    void searchFieldsTranslationsSeveritiesAndNarrowing()
    {
        // The date is not searched.
        const std::vector<loginfo> three { alert(12), alert(12, "Неверный Пароль"),
            alert(12, "检测到SSH暴力破解攻击") };
        for (const auto &[text, count] :
            std::vector<std::pair<QString, int>> { { "BRUTE", 1 }, { "0.0.7", 3 }, { "Root", 3 },
                { "/VAR/log/auth", 3 }, { "failed PASSWORD", 3 }, { "THIRD line", 3 }, { "line\nthird", 3 },
                { "d line", 3 }, { "  root  ", 3 }, { "brute forced", 0 }, { "Mar  6", 0 }, { "пароль", 1 },
                { "检测到ssh", 1 }, { "暴力破解攻击X", 0 } })
            QVERIFY2(kept(text, three) == count, qPrintable(text));

        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath("zh_CN/LC_MESSAGES")));
        writeTestFile(root, "zh_CN/LC_MESSAGES/tarvix_zh_CN.ts",
            "<TS><context><name>c</name><message><source>sshd: brute force</source>"
            "<translation>暴力破解</translation></message></context></TS>");
        const Translation titles("zh_CN", root.path().toStdString());
        // The list shows the translation; both it and the description are searched.
        QCOMPARE(ruleTitleBytes("sshd: brute force", &titles), std::string("暴力破解"));
        QCOMPARE(ruleTitleBytes("no such rule", &titles), std::string("no such rule"));
        QCOMPARE(kept("暴力", { alert(12) }, AlertFilter::AnySeverity, &titles), 1);
        QCOMPARE(kept("brute", { alert(12) }, AlertFilter::AnySeverity, &titles), 1);

        const std::vector<loginfo> alerts { alert(12), alert(14), alert(15), alert(16, "rooted") };
        QCOMPARE(kept("", alerts, AlertFilter::HighRisk), 2);
        QCOMPARE(kept("", alerts, AlertFilter::NormalRisk), 2);
        QCOMPARE(kept("rooted", alerts, AlertFilter::HighRisk), 1);
        QVERIFY(!AlertFilter(" ", AlertFilter::AnySeverity, nullptr).isActive());
        const auto narrows = [](const QString &earlier, int from, const QString &later, int to) {
            return AlertFilter(later, AlertFilter::Severity(to), nullptr)
                .narrows(AlertFilter(earlier, AlertFilter::Severity(from), nullptr));
        };
        QVERIFY(narrows("ro", 0, "roo", 0) && narrows("oo", 0, "roo", 0) && narrows("", 0, "r", 1));
        QVERIFY(narrows("r", 0, "r", 1) && !narrows("roo", 0, "ro", 0) && !narrows("RO", 0, "root", 0));
        QVERIFY(!narrows("r", 1, "r", 0) && !narrows("r", 1, "r", 2));
        QVERIFY(!narrows("s", 0, "sП", 0)); // Cyrillic compares case otherwise than ASCII
    }
};

QTEST_MAIN(TestNotifyLogFrame)
#include "tst_notify_log_frame.moc"
