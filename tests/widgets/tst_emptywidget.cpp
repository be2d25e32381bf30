#include "widgets/emptywidget.h"

#include <QLabel>
#include <QtTest>

class TestEmptyWidget : public QObject
{
    Q_OBJECT

private slots:
    void showsGreyPlainText()
    {
        EmptyWidget widget("There are no <b>alarm</b> logs", 256, 256);
        auto *text = widget.findChild<QLabel *>("textLabel");
        auto *picture = widget.findChild<QLabel *>("pictureLabel");
        QVERIFY(text && picture);
        QCOMPARE(text->text(), QString("There are no <b>alarm</b> logs"));
        QCOMPARE(text->textFormat(), Qt::PlainText);
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            QCOMPARE(text->palette().color(group, QPalette::WindowText), QColor(38, 38, 38, 153));
        QCOMPARE(picture->minimumSize(), QSize(256, 256));

        widget.resize(600, 500);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(picture->geometry().bottom() < text->geometry().top());
        QCOMPARE(widget.picture().size(), QSize(256, 256));
        QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), QSize(256, 256));
    }

    void growingScalesThePictureUpInProportion()
    {
        EmptyWidget widget("There are no user statistics", 128, 128);
        QPixmap wide(40, 20);
        wide.fill(Qt::darkCyan);
        widget.setPicture(wide);
        auto *picture = widget.findChild<QLabel *>("pictureLabel");

        const auto fitted
            = [picture]() { return QSize(40, 20).scaled(picture->size(), Qt::KeepAspectRatio); };
        widget.resize(widget.minimumSizeHint());
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const QSize small = picture->pixmap(Qt::ReturnByValue).size();
        QCOMPARE(small, fitted());
        QVERIFY(small.width() >= 128 && small.height() >= 64);

        widget.resize(800, 600);
        QTRY_VERIFY(picture->width() > 700);
        const QSize large = picture->pixmap(Qt::ReturnByValue).size();
        QCOMPARE(large, fitted());
        QCOMPARE(large.width(), large.height() * 2);
        QVERIFY(large.width() > small.width());
    }
};

QTEST_MAIN(TestEmptyWidget)
#include "tst_emptywidget.moc"
