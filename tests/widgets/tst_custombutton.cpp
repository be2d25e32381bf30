#include "widgets/custombutton.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QColor pixel(QWidget &widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

// An icon theme that has the first six loading frames, as solid red 16 px squares.
bool writePartialTheme(const QString &root)
{
    const QString dir = root + "/partial/16x16/status";
    if (!QDir().mkpath(dir))
        return false;
    QFile index(root + "/partial/index.theme");
    if (!index.open(QIODevice::WriteOnly))
        return false;
    index.write("[Icon Theme]\nName=partial\nDirectories=16x16/status\n\n"
                "[16x16/status]\nSize=16\nType=Fixed\n");
    QPixmap red(16, 16);
    red.fill(Qt::red);
    for (int i = 0; i < 6; ++i) {
        if (!red.save(QString("%1/vemo-loading-%2.symbolic.png").arg(dir).arg(i)))
            return false;
    }
    return true;
}

} // namespace

class TestCustomButton : public QObject
{
    Q_OBJECT

private slots:
    void framesWithAndWithoutTheme()
    {
        QTemporaryDir root;
        QVERIFY(writePartialTheme(root.path()));
        QIcon::setThemeSearchPaths({ root.path() });

        QIcon::setThemeName("partial");
        CustomButton themed;
        QCOMPARE(themed.frames().size(), 8);
        QCOMPARE(themed.frames().at(0).size(), QSize(16, 16));
        QCOMPARE(themed.frames().at(5).toImage().pixelColor(8, 8), QColor(Qt::red));
        QVERIFY(!themed.frames().at(6).isNull());

        QIcon::setThemeName("missing");
        CustomButton bare;
        QCOMPARE(bare.frames().size(), 8);
        for (int i = 0; i < 17; ++i)
            bare.updateLoadingImage();
        QCOMPARE(bare.frameIndex(), 1);
        QCOMPARE(bare.currentFrame().cacheKey(), bare.frames().at(1).cacheKey());
    }

    void looksIdleLoadingAndDone()
    {
        CustomButton button;
        QCOMPARE(button.text(), QString("Confirm"));
        QCOMPARE(CustomButton::loadingText(), QString("Configuring..."));
        button.resize(button.sizeHint());
        QVERIFY(button.fontMetrics().horizontalAdvance(CustomButton::loadingText()) + 30 < button.width());
        const int mid = button.height() / 2;
        QCOMPARE(pixel(button, 4, mid), QColor("#3790FA"));
        button.setEnabled(false);
        QVERIFY(pixel(button, 4, mid) != QColor("#3790FA"));
        button.setEnabled(true);

        button.click();
        QVERIFY(button.isLoading() && button.isAnimating());
        QCOMPARE(pixel(button, button.width() - 4, mid), QColor("#379FFC"));
        // The spinner sits left of the loading text.
        const QImage loading = button.grab().toImage();
        const QRect frame((button.width() - 24) / 10, (button.height() - 24) / 2, 24, 24);
        int inked = 0;
        for (int y = frame.top(); y <= frame.bottom(); ++y)
            for (int x = frame.left(); x <= frame.right(); ++x)
                inked += loading.pixelColor(x, y) != QColor("#379FFC");
        QVERIFY2(inked > 20, qPrintable(QString::number(inked)));

        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.stopTimer();
        QCOMPARE(finished.count(), 1);
        QVERIFY(button.isLoading() && !button.isAnimating());
        const QImage done = button.grab().toImage();
        for (int px = 2; px < button.width() - 2; ++px)
            QCOMPARE(done.pixelColor(px, mid), QColor("#379FFC"));
    }

    void clickingAgainKeepsTheSpinnerTurning()
    {
        CustomButton button;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 450) {
            button.click();
            QTest::qWait(40);
        }
        QVERIFY2(button.frameIndex() >= 2, "a click must not restart the frame timer");
    }

    void stopAfterTask_data()
    {
        QTest::addColumn<int>("taskMsecs");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("below");
        QTest::newRow("quick") << 0 << 495 << 1500;
        QTest::newRow("just short") << 499 << 495 << 1500;
        QTest::newRow("half a second") << 500 << 45 << 480;
        QTest::newRow("slow") << 4000 << 45 << 480;
    }

    void stopAfterTask()
    {
        QFETCH(int, taskMsecs);
        QFETCH(int, atLeast);
        QFETCH(int, below);
        CustomButton button;
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.click();
        QElapsedTimer clock;
        clock.start();
        button.stopAfterTask(taskMsecs);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        const qint64 shown = clock.elapsed();
        QVERIFY2(shown >= atLeast && shown < below, qPrintable(QString::number(shown)));
        QTest::qWait(60);
        QCOMPARE(finished.count(), 1);
    }

    void stopLaterIsNotRestartedOrEarly()
    {
        CustomButton button;
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.stopLater(20); // no animation yet: nothing to end
        QTest::qWait(60);
        QCOMPARE(finished.count(), 0);

        button.startAnimation();
        QVERIFY(!button.isLoading());
        QElapsedTimer clock;
        clock.start();
        button.stopLater(400.9);
        QTest::qWait(200);
        button.stopLater(3000);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        QVERIFY2(clock.elapsed() >= 395, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(TestCustomButton)
#include "tst_custombutton.moc"
