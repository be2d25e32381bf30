#pragma once

#include "kit/kwindowbuttonbar.h"

#include <QObject>

class QHBoxLayout;

namespace lumo {

class WindowButton;

class KWindowButtonBarPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KWindowButtonBarPrivate(KWindowButtonBar *parent);

    void retranslate();
    void applySize();
    void updateMaximumButton();

    KWindowButtonBar *const q;
    QHBoxLayout *m_layout = nullptr;
    KMenuButton *m_menuButton = nullptr;
    WindowButton *m_minimumButton = nullptr;
    WindowButton *m_maximumButton = nullptr;
    WindowButton *m_closeButton = nullptr;
    MaximumButtonState m_maximumState = Maximum;
};

} // namespace lumo
