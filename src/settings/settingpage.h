#ifndef SETTINGS_SETTINGPAGE_H
#define SETTINGS_SETTINGPAGE_H

#include <QString>

class CustomButton;
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
    QVBoxLayout *contentLayout = nullptr; // sections go here, under the title's gap
    QWidget *titleRow = nullptr;
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

enum class DurationInput { Valid, OutOfRange, NotANumber };
// A typed duration in seconds: "-1" (no end) or 1 to max. Logs the text after
// logLabel and the verdict, unless logLabel is null.
DurationInput checkDuration(const QString &text, int max, const char *logLabel = nullptr);

// Whether research, rootcheck and logscan all run (type 0); logs the three.
bool detectionServicesRunning();

// Sets service (or a blank-separated list of them) to status0 for type 0 and
// status1 for type 1, logs both replies and says whether both were taken.
// It waits on the daemon: task threads only.
bool switchService(const QString &service, int status0, int status1);

// Stops service (type 0) on a task thread; the report only reaches context
// while it lives.
void stopServiceInBackground(QObject *context, const QString &service);

#endif
