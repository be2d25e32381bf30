#include "widgets/emptywidget.h"

#include <QLabel>
#include <QtTest>

class TestEmptyWidget : public QObject
{
    Q_OBJECT

private slots:
    void pictureAndText()
    {
        EmptyWidget widget("There are no <b>alarm</b> logs", 256, 256);
        auto *text = widget.findChild<QLabel *>("textLabel");
        auto *picture = widget.findChild<QLabel *>("pictureLabel");
        QCOMPARE(text->text(), QString("There are no <b>alarm</b> logs"));
        QCOMPARE(text->textFormat(), Qt::PlainText);
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            QCOMPARE(text->palette().color(group, QPalette::WindowText), QColor(38, 38, 38, 153));
        widget.resize(600, 500);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(picture->geometry().bottom() < text->geometry().top());
        QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), QSize(256, 256));
    }

    void growingScalesThePictureUpInProportion()
    {
        EmptyWidget widget("There are no user statistics", 128, 128);
        QPixmap wide(40, 20);
        wide.fill(Qt::darkCyan);
        widget.setPicture(wide);
        auto *picture = widget.findChild<QLabel *>("pictureLabel");
        const auto shown = [&]() { return picture->pixmap(Qt::ReturnByValue).size(); };
        widget.resize(widget.minimumSizeHint());
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const QSize small = shown();
        QCOMPARE(small, QSize(40, 20).scaled(picture->size(), Qt::KeepAspectRatio));
        QVERIFY(small.height() >= 64);

        widget.resize(800, 600);
        QTRY_VERIFY(picture->width() > 700);
        QCOMPARE(shown(), QSize(40, 20).scaled(picture->size(), Qt::KeepAspectRatio));
        QVERIFY(shown().width() > small.width());
    }
};

QTEST_MAIN(TestEmptyWidget)
#include "tst_emptywidget.moc"
