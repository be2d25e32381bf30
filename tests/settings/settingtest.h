#ifndef TESTS_SETTINGS_SETTINGTEST_H
#define TESTS_SETTINGS_SETTINGTEST_H

#include "support/daemonsimfixture.h"
#include "widgets/custombutton.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStringList>

#include <initializer_list>
#include <utility>

// Type-0 and type-1 status of the named services, as the stand-in's state keeps them.
inline QJsonObject serviceState(std::initializer_list<std::pair<const char *, int>> statuses)
{
    QJsonObject services;
    for (const auto &status : statuses)
        services.insert(status.first, QJsonObject { { "type0", status.second }, { "type1", status.second } });
    return QJsonObject { { "services", services } };
}

// Starts the stand-in with state laid over its defaults.
inline bool startSim(DaemonSimFixture &sim, const QJsonObject &state, const QStringList &options = {})
{
    QFile file(sim.statePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(state).toJson());
    file.close();
    return sim.start(options);
}

// The calls the stand-in received that change something, in order, e.g.
// setServiceStatus("tarvix-intervention", 0, 0).
inline QStringList writesTo(const DaemonSimFixture &sim)
{
    QStringList writes;
    for (const QString &line : sim.output().split('\n')) {
        for (const char *change : { "call set", "call restart", "call install" })
            if (line.startsWith(change))
                writes << line.mid(5);
    }
    return writes;
}

// Presses the page's Confirm and waits until its loading animation is over
// (the page has acted on the outcome by then).
template<typename Page> bool confirmAndWait(Page &page)
{
    QSignalSpy done(page.confirmButton(), &CustomButton::loadingAnimationFinished);
    page.confirmButton()->click();
    return done.wait(10000);
}

#endif
