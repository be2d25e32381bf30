#include "logpage/framelinewidget.h"
#include "logpage/notify_log_frame.h"

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

namespace {

notifyLogData sampleAlert(int level)
{
    notifyLogData data;
    data.rule = 5712;
    data.level = level;
    data.alertId = "1709633472.1001";
    data.date = "2024 Mar 05 10:11:12";
    data.location = "zorva-pc->/var/log/auth.log";
    data.comment = "sshd: brute force trying to get access to the system.";
    return data;
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

bool isRed(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == QColor(Qt::red);
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
            QCOMPARE(label(frame, "loglevelLabel")->text(), QString("Level: %1").arg(level));
            QCOMPARE(label(frame, "logtypeLabel")->text(), word);
            QCOMPARE(isRed(label(frame, "loglevelLabel")), level >= 15);
            QCOMPARE(isRed(label(frame, "logtypeLabel")), level >= 15);
            QCOMPARE(label(frame, "loginfoTitleLabel")->text(),
                QString("sshd: brute force trying to get access to the system."));
            QCOMPARE(frame.size(), QSize(858, 164));
        }
    }

    void detailLinesFollowTheirConditions()
    {
        notifyLogData bare = sampleAlert(12);
        bare.otherLogs = "\n"; // only the empty separator line followed the first raw line
        bare.firstLog = "Mar  5 10:11:12 sshd[811]: Failed password";
        notify_log_frame bareFrame(bare);
        QCOMPARE(detailCaptions(bareFrame), QStringList({ "Rule No.: ", "Raw logs: " }));

        notifyLogData full = sampleAlert(12);
        full.group = "syslog,sshd,";
        full.user = "root";
        full.srcIp = "10.0.0.7";
        full.dstIp = "192.168.1.10";
        full.firstLog = "first";
        full.otherLogs = "second\nthird";
        notify_log_frame frame(full);
        QCOMPARE(detailCaptions(frame),
            QStringList({ "Rule No.: ", "Group Category: ", "User: ", "Source IP: ", "Target IP: ",
                "Raw logs: ", "Associated Informations: " }));
        // The visible rows: time in display form (or as recorded) and the source.
        const auto rows = [](const notify_log_frame &shown) {
            QStringList texts;
            for (QLabel *l : shown.findChild<QWidget *>("frame")->findChildren<QLabel *>())
                texts << l->text();
            return texts;
        };
        QVERIFY(rows(frame).contains("2024/03/05 10:11:12")
            && rows(frame).contains("zorva-pc->/var/log/auth.log"));
        bare.date = "not a date";
        QVERIFY(rows(notify_log_frame(bare)).contains("not a date"));
    }

    // Alert texts are attacker-influenced: never markup, and direction
    // controls (a right-to-left override makes "invoice<RLO>gnp.exe" read
    // "invoiceexe.png") are shown as marks in every label.
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
            if (l->text().contains('<'))
                QCOMPARE(l->textFormat(), Qt::PlainText);
        }
        QVERIFY(!texts.join("").contains(QRegularExpression("[\u202A-\u202E\u2066-\u2069]")));
        QCOMPARE(label(frame, "loginfoTitleLabel")->text(), QString("<b>bold</b>invoice<U+202E>gnp.exe"));
        QVERIFY(texts.contains("<U+2066>root<U+2069>"));
        QVERIFY(texts.contains("<script>sshd: <U+202B>Accepted<U+202C></script>"));
        QVERIFY(texts.contains(data.location));
    }

    void textTurnsSelectableUnderThePointer()
    {
        // Selectable where the pointer is, and while text is selected.
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

    // The arrow opens and closes the details, made when first opened; a
    // highlight opens them and colours the title and every detail line red.
    void detailsOpenByArrowAndHighlight()
    {
        notifyLogData data = sampleAlert(12);
        data.user = "root";
        notify_log_frame frame(data);
        frame.show();
        QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
        QLabel *arrow = label(frame, "upDownIconLabel");
        const QImage down = arrow->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(!details->isVisible() && !frame.findChild<FrameLineWidget *>());
        QTest::mousePress(arrow, Qt::LeftButton);
        FrameLineWidget *line = frame.findChild<FrameLineWidget *>();
        QVERIFY(details->isVisible() && line->isVisible());
        QVERIFY(line->y() > label(frame, "loginfoTitleLabel")->y()); // under the time and source rows
        QVERIFY(arrow->pixmap(Qt::ReturnByValue).toImage() != down);
        QTest::mousePress(arrow, Qt::LeftButton);
        QVERIFY(!details->isVisible() && !line->isVisible());
        QCOMPARE(arrow->pixmap(Qt::ReturnByValue).toImage(), down);

        frame.setHighLight();
        QVERIFY(details->isVisible());
        QVERIFY(isRed(label(frame, "loginfoTitleLabel")));
        for (QLabel *l : details->findChildren<QLabel *>())
            QVERIFY(isRed(l)); // palettes propagate to every detail line
        QVERIFY(!isRed(label(frame, "loglevelLabel"))); // level 12 keeps its colour
    }
};

QTEST_MAIN(TestNotifyLogFrame)
#include "tst_notify_log_frame.moc"
