#ifndef TESTSUPPORT_BUSTESTMAIN_H
#define TESTSUPPORT_BUSTESTMAIN_H

// main() for Qt tests that talk D-Bus: the private buses come up before the
// application object, since Qt may connect to a bus while it sets up and never
// redirects a connection. Without them the test fails rather than use real buses.

#include "support/daemonsimfixture.h"

#include <QtTest>

#include <cstdio>

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#define TARVIX_BUS_TEST_APPLICATION QApplication
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#define TARVIX_BUS_TEST_APPLICATION QGuiApplication
#else
#define TARVIX_BUS_TEST_APPLICATION QCoreApplication
#endif

#define TARVIX_BUS_TEST_MAIN_WITH(TestObject, Application)                                                   \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QString busError;                                                                                    \
        if (!DaemonSimFixture::startPrivateBuses(&busError)) {                                               \
            std::fprintf(stderr, "cannot start the private D-Bus buses: %s\n", qPrintable(busError));        \
            return 1;                                                                                        \
        }                                                                                                    \
        /* Preferences the program writes (window geometry, auto-refresh) stay with this run. */             \
        QTemporaryDir configHome;                                                                            \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));                                    \
        int status = 0;                                                                                      \
        {                                                                                                    \
            Application app(argc, argv);                                                                     \
            app.setAttribute(Qt::AA_Use96Dpi, true);                                                         \
            TestObject tc;                                                                                   \
            QTEST_SET_MAIN_SOURCE_PATH                                                                       \
            status = QTest::qExec(&tc, argc, argv);                                                          \
        }                                                                                                    \
        DaemonSimFixture::stopPrivateBuses();                                                                \
        return status;                                                                                       \
    }

#define TARVIX_BUS_TEST_MAIN(TestObject) TARVIX_BUS_TEST_MAIN_WITH(TestObject, TARVIX_BUS_TEST_APPLICATION)
#define TARVIX_BUS_TEST_GUILESS_MAIN(TestObject) TARVIX_BUS_TEST_MAIN_WITH(TestObject, QCoreApplication)

#endif
