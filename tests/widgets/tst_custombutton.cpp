#include "widgets/custombutton.h"

#include <QSignalSpy>
#include <QtTest>

class TestCustomButton : public QObject
{
    Q_OBJECT

private slots:
    void eightFramesWithoutATheme()
    {
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName("missing");
        CustomButton button;
        QCOMPARE(button.frames().size(), 8);
        for (int i = 0; i < 17; ++i)
            button.updateLoadingImage();
        QCOMPARE(button.frameIndex(), 1);
        QCOMPARE(button.currentFrame().cacheKey(), button.frames().at(1).cacheKey());
    }

    void facesAUserSees()
    {
        CustomButton button;
        QCOMPARE(button.text(), QString("Confirm"));
        button.resize(button.sizeHint());
        QVERIFY(button.fontMetrics().horizontalAdvance("Configuring...") + 30 < button.width());
        const int mid = button.height() / 2;
        const auto at = [&](int x) { return button.grab().toImage().pixelColor(x, mid); };
        QCOMPARE(at(4), QColor("#3790FA"));
        button.setEnabled(false);
        QVERIFY(at(4) != QColor("#3790FA"));
        button.setEnabled(true);

        button.click();
        QVERIFY(button.isLoading() && button.isAnimating());
        QCOMPARE(at(button.width() - 4), QColor("#379FFC"));
        const QRect frame((button.width() - 24) / 10, mid - 12, 24, 24);
        const QImage loading = button.grab().toImage().copy(frame);
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.stopTimer();
        QVERIFY(finished.count() == 1 && button.isLoading() && !button.isAnimating());
        QVERIFY2(button.grab().toImage().copy(frame) != loading, "the spinner is gone");
        for (int x = 2; x < button.width() - 2; x += 3)
            QCOMPARE(at(x), QColor("#379FFC"));

        // A failed task hands the button back: idle face, and a click loads again.
        button.resetLoading();
        QVERIFY(!button.isLoading() && !button.isAnimating());
        QCOMPARE(at(4), QColor("#3790FA"));
        button.click();
        QVERIFY(button.isLoading() && button.isAnimating());
    }

    void stopAfterTask_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("below");
        QTest::newRow("quick") << 0 << 495 << 1500;
        QTest::newRow("just short") << 499 << 495 << 1500;
        QTest::newRow("half a second") << 500 << 45 << 480;
    }

    void stopAfterTask()
    {
        QFETCH(int, task);
        QFETCH(int, atLeast);
        QFETCH(int, below);
        CustomButton button;
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.click();
        QElapsedTimer clock;
        clock.start();
        button.stopAfterTask(task);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        QVERIFY2(clock.elapsed() >= atLeast && clock.elapsed() < below,
            qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(60);
        QCOMPARE(finished.count(), 1);
    }

    void neitherClicksNorStopLaterRestartTheTimers()
    {
        CustomButton button;
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 450) {
            button.click();
            QTest::qWait(40);
        }
        QVERIFY2(button.frameIndex() >= 2, "clicks restarted the frame timer");
        clock.restart();
        button.stopLater(400.9);
        QTest::qWait(200);
        button.stopLater(3000);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        QVERIFY2(clock.elapsed() >= 395, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(TestCustomButton)
#include "tst_custombutton.moc"
