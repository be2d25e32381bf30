#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace lumo {

class KMenuButton;

class KMenuButtonPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KMenuButtonPrivate(KMenuButton *parent);

    void retranslate();
    void syncThemeChoice();
    void applySize();

    KMenuButton *const q;
    QMenu *m_menu = nullptr;
    QMenu *m_themeMenu = nullptr;
    QAction *m_setting = nullptr;
    QAction *m_theme = nullptr;
    QAction *m_assist = nullptr;
    QAction *m_about = nullptr;
    QAction *m_feedback = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_auto = nullptr;
    QAction *m_light = nullptr;
    QAction *m_dark = nullptr;
    QActionGroup *m_themeGroup = nullptr;
};

} // namespace lumo
