// Theme state read from the desktop style settings. The program runs three times (full
// schemas, a partial one, none) because GSettings fixes its schema directory once per process.
#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwidget.h"
#include "kit/themecontroller.h"
#include "kit/themecontroller_p.h"
#include "support/alertlog.h"

#include <QApplication>
#include <QGSettings>
#include <QMenu>
#include <QtTest>

using lumo::KitTheme;

namespace {

// Compiles schema files into dir and points GSettings at it with the memory
// backend. Must run before anything in the process touches GSettings.
bool installSchemas(const QString &dir, const QStringList &schemaFiles)
{
    for (const QString &file : schemaFiles)
        if (!QFile::copy(file, QDir(dir).filePath(QFileInfo(file).fileName())))
            return false;
    if (QProcess::execute("glib-compile-schemas", { "--strict", dir }) != 0)
        return false;
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(dir));
    return true;
}

// Counts the theme changes it is told of.
class CountingWidget : public lumo::KWidget
{
public:
    int changes = 0;
    void changeTheme() override { lumo::KWidget::changeTheme(), ++changes; }
};

// Sets a style key the way the desktop's control centre would and waits until the kit has been told.
bool setStyle(QGSettings &settings, const QString &key, const QVariant &value)
{
    if (settings.get(key) == value)
        return true;
    QSignalSpy spy(KitTheme::instance(), &KitTheme::themeChanged);
    settings.set(key, value);
    return spy.count() > 0 || spy.wait(3000);
}

} // namespace

class ThemeFullTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QGSettings *m_style = nullptr, *m_personalise = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(installSchemas(m_dir.path(),
            { KIT_SCHEMA_SOURCE_DIR "/org.vemo.style.gschema.xml",
                KIT_SCHEMA_SOURCE_DIR "/org.vemo.control-center.personalise.gschema.xml" }));
        QVERIFY(QGSettings::isSchemaInstalled("org.vemo.style"));
        m_style = new QGSettings("org.vemo.style", QByteArray(), this);
        m_personalise = new QGSettings("org.vemo.control-center.personalise", QByteArray(), this);
        // Defaults of the schema: this application gets the light theme.
        QCOMPARE(ThemeController::themeMode(), ThemeController::LightTheme);
        QCOMPARE(ThemeController::systemFontSize(), 11);
        QCOMPARE(ThemeController::transparency(), 1.0);
    }

    // Each key is set in turn and the state read back; every row differs from the one before.
    void styleKeysFontSizeAndTransparency()
    {
        const std::tuple<const char *, const char *, int> rows[]
            = { { "styleName", "vemo-dark", 1 }, { "styleName", "vemo-default", 0 },
                  { "styleName", "vemo-black", 1 }, { "styleName", "Vemo-Dark", 0 },
                  { "iconThemeName", "vemo-icon-theme-classical", ThemeController::ClassicIconTheme },
                  { "iconThemeName", "vemo-icon-theme-default", ThemeController::DefaultIconTheme },
                  { "widgetThemeName", "classical", ThemeController::ClassicTheme },
                  { "widgetThemeName", "default", ThemeController::DefaultTheme },
                  { "widgetThemeName", "Classical", ThemeController::FashionTheme } };
        for (const auto &[key, value, expected] : rows) {
            QVERIFY2(setStyle(*m_style, key, value), value);
            const int state = QByteArray(key) == "iconThemeName" ? int(ThemeController::iconThemeFlag())
                : QByteArray(key) == "widgetThemeName"           ? int(ThemeController::widgetTheme())
                                                                 : ThemeController::isDarkTheme();
            QVERIFY2(state == expected, value);
        }
        // The default style is dark for the desktop's own components.
        const QString ownName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName("vemo-panel");
        QVERIFY(setStyle(*m_style, "styleName", "vemo-default") && ThemeController::isDarkTheme());
        QCoreApplication::setApplicationName(ownName);

        // Negative and NaN sizes are refused with a warning and keep the last size.
        const std::pair<double, int> steps[]
            = { { 13.7, 13 }, { 9.99, 9 }, { -4.0, 9 }, { std::nan(""), 9 }, { 11.0, 11 } };
        for (const auto &[size, expected] : steps) {
            if (!(size > 0))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ignoring system font size"));
            m_style->set("systemFontSize", size);
            QCOMPARE(ThemeController::systemFontSize(), expected);
        }

        lumo::KWidget widget;
        widget.setLayoutType(lumo::HorizontalType);
        QSignalSpy spy(KitTheme::instance(), &KitTheme::transparencyChanged);
        m_personalise->set("transparency", 0.4);
        QVERIFY(spy.count() > 0 || spy.wait(3000));
        QCOMPARE(ThemeController::transparency(), 0.4);
        // NaN is refused with a warning and keeps the last value.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ignoring transparency"));
        m_personalise->set("transparency", std::nan(""));
        QTest::qWait(100);
        QCOMPARE(ThemeController::transparency(), 0.4);
        for (QWidget *area : QList<QWidget *> { widget.sideBar(), widget.iconBar() })
            QCOMPARE(area->palette().color(QPalette::Window).alpha(), qRound(0.4 * 255));
        // The base colour stays opaque whatever the transparency.
        QCOMPARE(widget.baseBar()->palette().color(QPalette::Window).alpha(), 255);
        m_personalise->set("transparency", 1.0);
        QVERIFY(spy.wait(3000));
    }

    void liveWidgetsAndMenuChoice()
    {
        QVERIFY(setStyle(*m_style, "styleName", "vemo-light"));
        CountingWidget widget;
        lumo::KMenuButton button;
        delete new CountingWidget; // a widget that no longer exists must not be called
        const QColor lightBase = widget.baseBar()->palette().color(QPalette::Window);

        QVERIFY(setStyle(*m_style, "styleName", "vemo-dark"));
        QCOMPARE(widget.changes, 1);
        const QColor darkBase = widget.baseBar()->palette().color(QPalette::Window);
        QVERIFY(darkBase != lightBase && darkBase.lightness() < 80);
        QVERIFY(button.menu()->palette().color(QPalette::Window).lightness() < 80);

        QVERIFY(setStyle(*m_style, "styleName", "vemo-light"));
        QCOMPARE(widget.changes, 2);
        QCOMPARE(widget.baseBar()->palette().color(QPalette::Window), lightBase);

        ThemeController::setThemeChoice(ThemeController::ForceDark);
        QVERIFY(ThemeController::isDarkTheme());
        QVERIFY(setStyle(*m_style, "styleName", "vemo-black"));
        ThemeController::setThemeChoice(ThemeController::ForceLight);
        QVERIFY(!ThemeController::isDarkTheme());
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
        QVERIFY(ThemeController::isDarkTheme());
        QVERIFY(setStyle(*m_style, "styleName", "vemo-light"));
    }
};

// A style schema with only the style name ("partial") or none: the missing keys are never read
// (GLib aborts the process on a read of a key the schema lacks) and keep their values.
class ThemeReducedTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    const bool m_partial = qgetenv("KIT_THEME_MODE") == "partial";

private slots:
    void initTestCase()
    {
        if (m_partial) {
            writeTestFile(m_dir, "org.vemo.style.gschema.xml",
                "<schemalist><schema id=\"org.vemo.style\" path=\"/org/vemo/style/\">"
                "<key name=\"style-name\" "
                "type=\"s\"><default>'vemo-dark'</default></key></schema></schemalist>");
            QVERIFY(installSchemas(m_dir.path(), {}));
        }
        QCOMPARE(QGSettings::isSchemaInstalled("org.vemo.style"), m_partial);
    }

    void missingKeysKeepTheirValues()
    {
        QCOMPARE(ThemeController::themeMode(),
            m_partial ? ThemeController::DarkTheme : ThemeController::LightTheme);
        QCOMPARE(ThemeController::iconThemeFlag(), ThemeController::DefaultIconTheme);
        // No personalisation schema: panels stay opaque.
        QCOMPARE(ThemeController::transparency(), 1.0);
        lumo::KWidget widget;
        widget.setLayoutType(lumo::MixedType);
        QCOMPARE(widget.sideBar()->palette().color(QPalette::Window).alpha(), 255);
        if (m_partial) {
            QGSettings style("org.vemo.style");
            QVERIFY(setStyle(style, "styleName", "vemo-light"));
            QCOMPARE(ThemeController::themeMode(), ThemeController::LightTheme);
        }
        QCOMPARE(ThemeController::widgetTheme(), ThemeController::DefaultTheme);
        QCOMPARE(ThemeController::systemFontSize(), 11);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("tarvix-kit-test");
    ThemeFullTest full;
    ThemeReducedTest reduced;
    return QTest::qExec(
        qgetenv("KIT_THEME_MODE") == "full" ? static_cast<QObject *>(&full) : &reduced, argc, argv);
}

#include "tst_theme.moc"
