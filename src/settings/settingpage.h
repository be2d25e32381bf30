#ifndef SETTINGS_SETTINGPAGE_H
#define SETTINGS_SETTINGPAGE_H

#include "widgets/threadworker.h"

#include <QString>

#include <functional>
#include <memory>

class BusyIndicator;
class CustomButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Pieces the settings pages share: the view frame, row widgets, the check of
// typed durations and the state of the detection services.

// What buildSettingView() made for its page to fill and connect.
struct SettingView
{
    QString title;
    QWidget *content = nullptr; // everything above the buttons
    QVBoxLayout *contentLayout = nullptr; // sections go here, under the title's gap
    QWidget *titleRow = nullptr;
    BusyIndicator *busy = nullptr; // beside the title while the page reads
    QPushButton *cancelButton = nullptr;
    CustomButton *confirmButton = nullptr;
};

// Fills view (fixed 710 x 448) with a frameless scroll area whose content
// starts with a 36 pixel gap that holds the bold title row, and the Cancel
// and Confirm buttons below it. The page names Cancel in its own context.
SettingView buildSettingView(QWidget *view, const QString &title);

// A block of rows with the pages' left indent, appended to the content.
QWidget *addSection(const SettingView &view);

QLabel *createBoldLabel(const QString &text, QWidget *parent);
// The label in front of a row of controls: fixed width, wrapped when the
// translation is longer.
QLabel *createRowLabel(const QString &text, int width, QWidget *parent);
// The gap between a row label and its controls.
constexpr int ROW_GAP = 12;
// A red line that says what is wrong; hidden until needed.
QLabel *createErrorLabel(QWidget *parent);
// A row of a row label, a gap and an edit of the pages' width.
QLineEdit *addEditRow(QVBoxLayout *layout, QLabel *label, const QString &text);
// The error line of a page, under the edits of rows whose labels are
// labelWidth wide.
QLabel *addErrorRow(QVBoxLayout *layout, int labelWidth);
// A screen reader announces a choice with its group, "Notification Fold:
// Open": choices are the short names of the group's buttons by id.
void nameChoices(QButtonGroup *group, const QString &groupName, const QStringList &choices);

enum class DurationInput { Valid, OutOfRange, NotANumber, NotPlain };
// A typed duration in seconds: "-1" (no end) or 1 to max, written with
// nothing but its digits and the minus of "-1", since it is sent as typed.
// Logs the text after logLabel and the verdict, unless logLabel is null.
DurationInput checkDuration(const QString &text, int max, const char *logLabel = nullptr);

// While loading, the page's content and Confirm are disabled and the busy
// indicator turns; afterwards the page decides what Confirm may do.
void setLoading(const SettingView &view, bool loading);

// Reads what a page shows on a task thread, so that a daemon that hangs never
// freezes the window, and hands the result to apply on the page's thread;
// meanwhile the view is loading. read may outlive the page and must not touch
// it; apply is dropped when the page is gone first.
template<typename State>
void readInBackground(QWidget *page, const SettingView &view, std::function<State()> read,
    std::function<void(const State &)> apply)
{
    setLoading(view, true);
    auto state = std::make_shared<State>();
    ThreadWorker::start(
        page, [read, state] { *state = read(); },
        [view, apply, state](int) {
            setLoading(view, false);
            apply(*state);
        });
}

// Whether research, rootcheck and logscan all run (type 0), or whether that
// is unknown because a status could not be read; logs the three.
enum class Detection { Running, Stopped, Unknown };
Detection detectionServices();

// Sets service (or a blank-separated list of them) to status0 for type 0 and
// status1 for type 1, logs both replies and says whether both were taken.
// It waits on the daemon: task threads only.
bool switchService(const QString &service, int status0, int status1);

// Stops service (type 0) on a task thread; the report only reaches context
// while it lives.
void stopServiceInBackground(QObject *context, const QString &service);

#endif
