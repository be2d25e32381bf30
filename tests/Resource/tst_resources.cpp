// Every icon and catalogue the code loads by resource path must be compiled
// in, load, and have the size its widget was laid out for. A renamed or
// forgotten file otherwise only shows up as an empty label at run time.

#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTranslator>
#include <QtTest>

namespace {

struct IconCase
{
    const char *path;
    int width;
    int height;
    bool hidpi; // has an @2x file beside it (PNG only)
};

const IconCase kIcons[] = {
    {":/Resource/Icon/base/zorva-tarvix.svg", 48, 48, false},
    {":/Resource/Icon/base/tips.svg", 16, 16, false},
    {":/Resource/Icon/base/dialog-success.svg", 96, 96, false},
    {":/Resource/Icon/base/dialog-error.svg", 96, 96, false},
    {":/Resource/Icon/base/application-mspowerpoint.svg", 96, 96, false},
    // EmptyWidget rescales this one itself; an @2x file would make it do so
    // twice.
    {":/Resource/Icon/base/pic_empty.png", 256, 256, false},
    {":/Resource/Icon/base/verticalLine.png", 16, 16, true},
    {":/Resource/Icon/base/vemo-up-symbolic.png", 16, 16, true},
    {":/Resource/Icon/base/vemo-down-symbolic.png", 16, 16, true},
    {":/Resource/Icon/titlebar/min.png", 30, 30, true},
    {":/Resource/Icon/titlebar/max.png", 30, 30, true},
    {":/Resource/Icon/titlebar/revert.png", 30, 30, true},
    {":/Resource/Icon/titlebar/close.png", 30, 30, true},
    {":/Resource/Icon/titlebar/closeWhite.png", 30, 30, true},
    {":/Resource/Icon/setting/selected.png", 24, 24, true},
    {":/Resource/Icon/setting/selected_red.png", 24, 24, true},
    {":/Resource/Icon/setting/circle_blue.png", 12, 12, true},
    {":/Resource/Icon/setting/circle_red.png", 12, 12, true},
    // Shown at the buttons' default 16 px icon size, so drawn at 16.
    {":/Resource/Icon/setting/calendar.png", 16, 16, true},
    {":/Resource/Icon/setting/setting.png", 16, 16, true},
    {":/Resource/Icon/setting/messagebox-question.png", 24, 24, true},
};

struct CatalogueCase
{
    const char *path;
    const char *language;
};

const CatalogueCase kCatalogues[] = {
    {":/Resource/translations/tarvix_desktop_zh_CN.qm", "zh_CN"},
    {":/Resource/translations/tarvix_desktop_bo_CN.qm", "bo_CN"},
    // The Mongolian file is named "mn" although the locale is mn_MN.
    {":/Resource/translations/tarvix_desktop_mn.qm", "mn_MN"},
    {":/Resource/translations/tarvix_desktop_zh_HK.qm", "zh_HK"},
};

QString hiDpiPath(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

int visiblePixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 32)
                ++count;
    return count;
}

// Alpha-weighted mean colour of what is drawn, to tell the variants apart.
QColor inkColour(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    double r = 0, g = 0, b = 0, weight = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            r += qRed(p) * a;
            g += qGreen(p) * a;
            b += qBlue(p) * a;
            weight += a;
        }
    }
    if (weight == 0)
        return QColor();
    return QColor(int(r / weight), int(g / weight), int(b / weight));
}

} // namespace

class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void icon_data();
    void icon();
    void pngHasHiDpiVariant_data();
    void pngHasHiDpiVariant();
    void settingIconWithoutSlash();
    void variantsAreTheRightColour_data();
    void variantsAreTheRightColour();
    void catalogue_data();
    void catalogue();
};

void tst_resources::icon_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const IconCase &c : kIcons)
        QTest::newRow(c.path) << QString::fromLatin1(c.path) << QSize(c.width, c.height);
}

void tst_resources::icon()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFileInfo::exists(path), qPrintable(path + " is not compiled in"));

    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), "the SVG does not parse");
        QCOMPARE(renderer.defaultSize(), size);
    } else {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // Window buttons and marks sit on styled backgrounds: no baked-in fill.
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
    }

    QPixmap pixmap(path);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);

    // The smallest size any of them is shown at; an icon that renders blank
    // there (broken path data, a lost fill) is as bad as a missing one.
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QPixmap small = icon.pixmap(QSize(16, 16));
    QVERIFY(!small.isNull());
    QVERIFY2(visiblePixels(small.toImage()) >= 4, "nothing visible at 16 px");
}

void tst_resources::pngHasHiDpiVariant_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hidpi");
    for (const IconCase &c : kIcons) {
        if (QByteArray(c.path).endsWith(".png"))
            QTest::newRow(c.path) << QString::fromLatin1(c.path) << QSize(c.width, c.height)
                                  << c.hidpi;
    }
}

void tst_resources::pngHasHiDpiVariant()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, hidpi);

    const QString path2x = hiDpiPath(path);
    QCOMPARE(QFileInfo::exists(path2x), hidpi);
    if (!hidpi)
        return;
    // Qt shows an @2x file at half its pixel size; any other size would draw
    // the icon too large or too small on a high-DPI screen.
    QCOMPARE(QImageReader(path2x).size(), size * 2);
    QVERIFY(!QImage(path2x).isNull());
}

void tst_resources::settingIconWithoutSlash()
{
    // The main window names the Setting button's icon ":Resource/..." (no
    // slash after the colon); Qt resolves that against the resource root.
    const QIcon icon(QStringLiteral(":Resource/Icon/setting/setting.png"));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

void tst_resources::variantsAreTheRightColour_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("close") << ":/Resource/Icon/titlebar/close.png" << "dark";
    QTest::newRow("closeWhite") << ":/Resource/Icon/titlebar/closeWhite.png" << "white";
    QTest::newRow("close@2x") << ":/Resource/Icon/titlebar/close@2x.png" << "dark";
    QTest::newRow("closeWhite@2x") << ":/Resource/Icon/titlebar/closeWhite@2x.png" << "white";
    QTest::newRow("selected") << ":/Resource/Icon/setting/selected.png" << "blue";
    QTest::newRow("selected_red") << ":/Resource/Icon/setting/selected_red.png" << "red";
    QTest::newRow("circle_blue") << ":/Resource/Icon/setting/circle_blue.png" << "blue";
    QTest::newRow("circle_red") << ":/Resource/Icon/setting/circle_red.png" << "red";
}

void tst_resources::variantsAreTheRightColour()
{
    // The pairs share their shape, so only the colour shows a swapped file:
    // a red mark on a normal alert, a white cross on the white title bar.
    QFETCH(QString, path);
    QFETCH(QString, expected);

    const QColor ink = inkColour(path);
    QVERIFY(ink.isValid());
    if (expected == QLatin1String("dark"))
        QVERIFY2(ink.lightness() < 80, qPrintable(ink.name()));
    else if (expected == QLatin1String("white"))
        QVERIFY2(ink.lightness() > 230, qPrintable(ink.name()));
    else if (expected == QLatin1String("blue"))
        QVERIFY2(ink.blue() > ink.red() + 60, qPrintable(ink.name()));
    else
        QVERIFY2(ink.red() > ink.blue() + 60, qPrintable(ink.name()));
}

void tst_resources::catalogue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language");
    for (const CatalogueCase &c : kCatalogues)
        QTest::newRow(c.path) << QString::fromLatin1(c.path) << QString::fromLatin1(c.language);
}

void tst_resources::catalogue()
{
    QFETCH(QString, path);
    QFETCH(QString, language);

    QVERIFY2(QFileInfo::exists(path), qPrintable(path + " is not compiled in"));
    QTranslator translator;
    QVERIFY2(translator.load(path), "not a loadable message catalogue");
    // The language tag drives plural forms; a copied catalogue keeps the
    // wrong one.
    QCOMPARE(translator.language(), language);
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
