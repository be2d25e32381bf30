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
    void severityWordsAndColours_data();
    void severityWordsAndColours();
    void detailLinesFollowTheirConditions();
    void alertTextsArePlainText();
    void bidiControlsAreShownAsMarks();
    void textTurnsSelectableUnderThePointer();
    void arrowTogglesTheDetails();
    void highlightExpandsAndColours();
};

void TestNotifyLogFrame::severityWordsAndColours_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("red");
    QTest::newRow("15") << 15 << "severe" << true;
    QTest::newRow("14") << 14 << "normal" << false;
    QTest::newRow("12") << 12 << "normal" << false;
    QTest::newRow("11") << 11 << "other" << false;
}

void TestNotifyLogFrame::severityWordsAndColours()
{
    QFETCH(int, level);
    QFETCH(QString, word);
    QFETCH(bool, red);
    notify_log_frame frame(sampleAlert(level));
    QCOMPARE(label(frame, "loglevelLabel")->text(), QString("Level: %1").arg(level));
    QCOMPARE(label(frame, "logtypeLabel")->text(), word);
    QCOMPARE(isRed(label(frame, "loglevelLabel")), red);
    QCOMPARE(isRed(label(frame, "logtypeLabel")), red);
    const QImage icon = label(frame, "loginfoIconLabel")->pixmap(Qt::ReturnByValue).toImage();
    const QImage expected
        = QPixmap(red ? ":/Resource/Icon/setting/selected_red.png" : ":/Resource/Icon/setting/selected.png")
              .toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(icon, expected);
    QCOMPARE(label(frame, "loginfoTitleLabel")->text(),
        QString("sshd: brute force trying to get access to the system."));
    QCOMPARE(frame.size(), QSize(858, 164));
}

void TestNotifyLogFrame::detailLinesFollowTheirConditions()
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
        QStringList({ "Rule No.: ", "Group Category: ", "User: ", "Source IP: ", "Target IP: ", "Raw logs: ",
            "Associated Informations: " }));
    // The visible rows: time in display form and the source.
    QStringList texts;
    for (QLabel *l : frame.findChild<QWidget *>("frame")->findChildren<QLabel *>())
        texts << l->text();
    QVERIFY(texts.contains("2024/03/05 10:11:12"));
    QVERIFY(texts.contains("zorva-pc->/var/log/auth.log"));

    notifyLogData noRule = sampleAlert(12);
    noRule.date = "not a date";
    const notify_log_frame raw(noRule);
    texts.clear();
    for (QLabel *l : raw.findChild<QWidget *>("frame")->findChildren<QLabel *>())
        texts << l->text();
    QVERIFY(texts.contains("not a date"));
}

void TestNotifyLogFrame::alertTextsArePlainText()
{
    notifyLogData data = sampleAlert(15);
    data.comment = "<b>bold</b><img src=x>";
    data.location = "<a href='http://x'>link</a>";
    data.firstLog = "<script>alert(1)</script>";
    const notify_log_frame frame(data);
    for (QLabel *l : frame.findChildren<QLabel *>()) {
        if (l->text().contains('<'))
            QCOMPARE(l->textFormat(), Qt::PlainText);
    }
    QCOMPARE(label(frame, "loginfoTitleLabel")->text(), data.comment);
}

void TestNotifyLogFrame::bidiControlsAreShownAsMarks()
{
    // A right-to-left override makes a program "invoice<RLO>gnp.exe" read
    // "invoiceexe.png"; isolates and embeddings reorder words. Every label
    // shows them as marks.
    notifyLogData data = sampleAlert(15);
    data.comment = QString::fromUtf8("invoice\u202Egnp.exe");
    data.user = QString::fromUtf8("\u2066root\u2069");
    data.firstLog = QString::fromUtf8("sshd: \u202BAccepted\u202C password");
    notify_log_frame frame(data);
    frame.setHighLight(); // every label made
    QStringList texts;
    for (QLabel *l : frame.findChildren<QLabel *>())
        texts << l->text();
    QVERIFY(!texts.join("").contains(QRegularExpression("[\u202A-\u202E\u2066-\u2069]")));
    QCOMPARE(label(frame, "loginfoTitleLabel")->text(), QString("invoice<U+202E>gnp.exe"));
    QVERIFY(texts.contains("<U+2066>root<U+2069>"));
    QVERIFY(texts.contains("sshd: <U+202B>Accepted<U+202C> password"));
}

void TestNotifyLogFrame::textTurnsSelectableUnderThePointer()
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

void TestNotifyLogFrame::arrowTogglesTheDetails()
{
    notify_log_frame frame(sampleAlert(12));
    frame.show();
    QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
    QLabel *arrow = label(frame, "upDownIconLabel");
    const QImage down = arrow->pixmap(Qt::ReturnByValue).toImage();
    QVERIFY(!details->isVisible());
    QVERIFY(!frame.findChild<FrameLineWidget *>()); // made when first opened

    QTest::mousePress(arrow, Qt::LeftButton);
    FrameLineWidget *line = frame.findChild<FrameLineWidget *>();
    QVERIFY(details->isVisible());
    QVERIFY(line->isVisible());
    // Under the time and source rows.
    QVERIFY(line->y() > frame.findChild<QLabel *>("loginfoTitleLabel")->y());
    QVERIFY(arrow->pixmap(Qt::ReturnByValue).toImage() != down);

    QTest::mousePress(arrow, Qt::LeftButton);
    QVERIFY(!details->isVisible());
    QVERIFY(!line->isVisible());
    QCOMPARE(arrow->pixmap(Qt::ReturnByValue).toImage(), down);
}

void TestNotifyLogFrame::highlightExpandsAndColours()
{
    notifyLogData data = sampleAlert(12);
    data.user = "root";
    notify_log_frame frame(data);
    frame.show();
    frame.setHighLight();
    QWidget *details = frame.findChild<QWidget *>("notify_log_detail_frame");
    QVERIFY(details->isVisible());
    QVERIFY(isRed(label(frame, "loginfoTitleLabel")));
    QVERIFY(isRed(details));
    for (QLabel *l : details->findChildren<QLabel *>())
        QVERIFY(isRed(l)); // palettes propagate to every detail line
    QVERIFY(!isRed(label(frame, "loglevelLabel"))); // level 12 keeps its colour
}

QTEST_MAIN(TestNotifyLogFrame)
#include "tst_notify_log_frame.moc"
