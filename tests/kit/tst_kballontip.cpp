// The balloon tip: icons per type, its children, and its life cycle.
#include "kit/kballontip.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPointer>
#include <QtTest>

using lumo::KBallonTip;

class KBallonTipTest : public QObject
{
    Q_OBJECT

    static QLabel *icon(KBallonTip *tip) { return tip->findChild<QLabel *>("m_pIconLabel"); }
    static QLabel *content(KBallonTip *tip) { return tip->findChild<QLabel *>("m_pContentLabel"); }

private slots:
    void children()
    {
        KBallonTip tip("Saved", lumo::TipSuccess);
        QVERIFY(icon(&tip) && content(&tip));
        QCOMPARE(content(&tip)->text(), QString("Saved"));
        auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(tip.graphicsEffect());
        QVERIFY(shadow);
        QCOMPARE(shadow->objectName(), QString("m_pShadow_effect"));
        QVERIFY(tip.windowFlags() & Qt::ToolTip);
    }

    void iconPerType()
    {
        KBallonTip tip;
        QVERIFY(icon(&tip)->isHidden());
        for (int type = lumo::TipSuccess; type <= lumo::TipError; ++type) {
            tip.setTipType(type);
            QVERIFY2(!icon(&tip)->isHidden(), qPrintable(QString::number(type)));
            QVERIFY(!icon(&tip)->pixmap(Qt::ReturnByValue).isNull());
        }
        tip.setTipType(lumo::TipNone);
        QVERIFY(icon(&tip)->isHidden());

        // The custom type shows only a pixmap it was given.
        tip.setTipType(lumo::TipCustom);
        QVERIFY(icon(&tip)->isHidden());
        QPixmap pm(48, 48);
        pm.fill(Qt::green);
        tip.setPixmap(pm);
        QVERIFY(!icon(&tip)->isHidden());
        QCOMPARE(icon(&tip)->pixmap(Qt::ReturnByValue).size(), QSize(24, 24));

        QTest::ignoreMessage(QtWarningMsg, "unknown balloon tip type 9");
        tip.setTipType(9);
        QCOMPARE(tip.tipType(), lumo::TipNone);
        QVERIFY(icon(&tip)->isHidden());
    }

    void contentsMarginsInsetTheText()
    {
        KBallonTip tip("The AI network detection service is not installed", lumo::TipNone);
        tip.setContentsMargins(8, 6, 8, 6);
        tip.showInfo();
        QTRY_VERIFY(content(&tip)->isVisible());
        const QRect inner = content(&tip)->geometry();
        const QRect outer = tip.rect();
        QVERIFY(inner.left() - outer.left() >= 8);
        QVERIFY(inner.top() - outer.top() >= 6);
        QVERIFY(outer.right() - inner.right() >= 8);
        tip.close();
    }

    void deletesItselfAfterItsTime()
    {
        QPointer<KBallonTip> tip = new KBallonTip("Done", lumo::TipInfo);
        tip->setTipTime(60);
        tip->showInfo();
        QVERIFY(tip->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip.isNull(), 2000);

        // A closed tip waits: an owner that keeps it and hides it on leave must find it again.
        tip = new KBallonTip("Hint", lumo::TipNone);
        tip->setTipTime(60);
        tip->show();
        tip->close();
        QTest::qWait(200);
        QVERIFY(!tip.isNull());
        tip->show();
        QTRY_VERIFY_WITH_TIMEOUT(tip.isNull(), 2000);
    }
};

QTEST_MAIN(KBallonTipTest)
#include "tst_kballontip.moc"
