#pragma once

#include "kit/themecontroller.h"

#include <QToolButton>

class QAction;
class QMenu;

namespace lumo {

class KMenuButtonPrivate;

// The options button of a title bar with the application's standard menu.
class KMenuButton : public QToolButton, public ThemeController
{
    Q_OBJECT
public:
    explicit KMenuButton(QWidget *parent = nullptr);
    ~KMenuButton() override;

    QMenu *menu();
    QMenu *themeMenu();
    QAction *settingAction();
    QAction *themeAction();
    QAction *assistAction();
    QAction *aboutAction();
    QAction *feedbackAction();
    QAction *quitAction();
    QAction *autoAction();
    QAction *lightAction();
    QAction *darkAction();

    // The desktop's feedback tool; Feedback does nothing without it.
    static QString defaultFeedbackTool();
    // First argument of a /proc/<pid>/cmdline file: the executable as started.
    static QString executableFromCmdline(const QString &cmdlinePath);
    // Starts the tool detached for the given process; false when it is missing
    // or would not start.
    static bool startFeedback(const QString &toolPath, qint64 pid);

protected:
    void changeTheme() override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class KMenuButtonPrivate;
    KMenuButtonPrivate *const d;
};

} // namespace lumo
