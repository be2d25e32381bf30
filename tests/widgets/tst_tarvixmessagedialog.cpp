#include "widgets/tarvixmessagedialog.h"

#include <QPushButton>
#include <QtTest>

class TestTarvixMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("confirm") << "confirm" << QStringList { "close:1", "open:1" };
        QTest::newRow("cancel") << "cancel" << QStringList { "close:0", "open:0" };
        QTest::newRow("title close") << "close_btn" << QStringList();
    }

    // Each way out closes the box; only Confirm and Cancel answer.
    void answers()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        TarvixMessageDialog box("", QPixmap(), "Question?", "Why it matters", QPixmap());
        QStringList answers; // in the order they were given
        connect(&box, &TarvixMessageDialog::signal_service_close,
            [&](bool yes) { answers << QString("close:%1").arg(yes); });
        connect(&box, &TarvixMessageDialog::signal_service_open,
            [&](bool yes) { answers << QString("open:%1").arg(yes); });
        box.show();
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        QPushButton *pressed = button == "confirm" ? box.confirmButton()
            : button == "cancel"                   ? box.cancelButton()
                                                   : box.findChild<QPushButton *>(button);
        pressed->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(answers, expected);
    }

    void form()
    {
        TarvixMessageDialog box("", QPixmap(), "Question?", "Why it matters", QPixmap(16, 16));
        QCOMPARE(box.size(), QSize(448, 178));
        QCOMPARE(box.confirmButton()->size(), QSize(96, 36));
        QVERIFY(box.confirmButton()->property("isImportant").toBool());
        // No title and no title icon: only the window buttons are left in the title row.
        QWidget *titleRow = box.findChild<QPushButton *>("close_btn")->parentWidget();
        QStringList shown;
        for (QWidget *child : titleRow->findChildren<QWidget *>())
            if (child->isVisibleTo(&box))
                shown << child->objectName();
        QCOMPARE(shown, (QStringList { "minimum_btn", "close_btn" }));
    }
};

QTEST_MAIN(TestTarvixMessageDialog)
#include "tst_tarvixmessagedialog.moc"
