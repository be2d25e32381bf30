// The balloon tip: icons per type, its children, and its life cycle.
#include "kit/kballontip.h"

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
    void iconPerType()
    {
        KBallonTip tip("Saved", lumo::TipNone);
        QCOMPARE(content(&tip)->text(), QString("Saved"));
        QVERIFY(tip.windowFlags() & Qt::ToolTip);
        QVERIFY(icon(&tip)->isHidden());
        for (int type = lumo::TipSuccess; type <= lumo::TipError; ++type) {
            tip.setTipType(type);
            QVERIFY2(!icon(&tip)->pixmap(Qt::ReturnByValue).isNull() && !icon(&tip)->isHidden(),
                qPrintable(QString::number(type)));
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
