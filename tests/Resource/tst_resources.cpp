// Every icon and catalogue the code loads by resource path must be compiled in, load, and have the size its
// widget was laid out for. A renamed or forgotten file otherwise only shows up as an empty label at run time.

#include "translation/supportedlocales.h"

#include <QImageReader>
#include <QSvgRenderer>
#include <QtTest>

class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void icon_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        // Twins that share their shape differ only in colour: a swapped file
        // would put a red mark on a normal alert or a white cross on a white bar.
        QTest::addColumn<QString>("ink");
        const std::tuple<const char *, int, const char *> icons[] = { { "base/zorva-tarvix.svg", 48, "" },
            { "base/tips.svg", 16, "" }, { "base/dialog-success.svg", 96, "" },
            { "base/dialog-error.svg", 96, "" }, { "base/application-mspowerpoint.svg", 96, "" },
            // EmptyWidget rescales this one itself; an @2x file would make it do so twice.
            { "base/pic_empty.png", 256, "" }, { "base/verticalLine.png", 16, "" },
            { "base/vemo-up-symbolic.png", 16, "" }, { "base/vemo-down-symbolic.png", 16, "" },
            { "titlebar/min.png", 30, "" }, { "titlebar/max.png", 30, "" }, { "titlebar/revert.png", 30, "" },
            { "titlebar/close.png", 30, "dark" }, { "titlebar/closeWhite.png", 30, "white" },
            { "setting/selected.png", 24, "blue" }, { "setting/selected_red.png", 24, "red" },
            { "setting/circle_blue.png", 12, "blue" }, { "setting/circle_red.png", 12, "red" },
            // Shown at the buttons' default 16 px icon size, so drawn at 16.
            { "setting/calendar.png", 16, "" }, { "setting/setting.png", 16, "" },
            { "setting/messagebox-question.png", 24, "" },
            // The main window names its Setting icon without a slash after the colon.
            { ":Resource/Icon/setting/setting.png", 16, "" } };
        for (const auto &[path, size, ink] : icons)
            QTest::newRow(path) << (*path == ':' ? QString(path) : QString(":/Resource/Icon/") + path) << size
                                << ink;
    }

    void icon()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        QFETCH(QString, ink);
        if (path.endsWith(".svg")) {
            QSvgRenderer renderer(path);
            QVERIFY(renderer.isValid());
            QCOMPARE(renderer.defaultSize(), QSize(size, size));
        } else {
            QCOMPARE(QImageReader(path).size(), QSize(size, size));
            // Window buttons and marks sit on styled backgrounds: no baked-in fill.
            QVERIFY(QImage(path).hasAlphaChannel() && qAlpha(QImage(path).pixel(0, 0)) == 0);
            // Qt shows an @2x file at half its pixel size, on high-DPI screens.
            const QString path2x = path.chopped(4) + "@2x.png";
            QCOMPARE(QFileInfo::exists(path2x), !path.contains("pic_empty"));
            if (QFileInfo::exists(path2x))
                QCOMPARE(QImageReader(path2x).size(), QSize(size, size) * 2);
        }

        // Drawn at the smallest size any of them is shown at, something must be visible, in its colour.
        const QImage small = QIcon(path).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        int visible = 0;
        for (int i = 0; i < 256; ++i)
            visible += qAlpha(small.pixel(i % 16, i / 16)) > 32;
        QVERIFY2(visible >= 4, "nothing visible at 16 px");
        // Smooth scaling to one pixel averages the colour, weighted by coverage.
        const QColor mean
            = small.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
        const bool right = ink == "dark" ? mean.lightness() < 80
            : ink == "white"             ? mean.lightness() > 230
            : ink == "blue"              ? mean.blue() > mean.red() + 60
            : ink == "red"               ? mean.red() > mean.blue() + 60
                                         : true;
        QVERIFY2(right, qPrintable(mean.name()));
    }

    // Every language of the list is compiled in for the program and the kit.
    // The language tag drives plural forms; a copied catalogue keeps the wrong one.
    void catalogues()
    {
        // The Mongolian file is named "mn" although the locale is mn_MN.
        QVERIFY(QFile::exists(":/Resource/translations/tarvix_desktop_mn.qm"));
        for (const SupportedLocale &locale : SUPPORTED_LOCALES) {
            for (const QString &path :
                { QString(":/Resource/translations/%1.qm").arg(locale.programCatalogue),
                    QString(":/translations/gui_%1.qm").arg(locale.name) }) {
                QTranslator translator;
                QVERIFY2(translator.load(path), qPrintable(path));
                QCOMPARE(translator.language(), QString(locale.name));
            }
        }
    }
};

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
