#pragma once

#include "kit/kwidget.h"

#include <QObject>

class QHBoxLayout;
class QVBoxLayout;

namespace lumo {

class KWidgetPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KWidgetPrivate(KWidget *parent);

    void applySizes();
    void applyLayoutType();
    void toggleMaximized();
    void updateMaximumButton();

    KWidget *const q;
    QVBoxLayout *m_mainLayout = nullptr;
    QHBoxLayout *m_topLayout = nullptr;
    QHBoxLayout *m_bottomLayout = nullptr;
    KIconBar *m_iconBar = nullptr;
    KWindowButtonBar *m_titleBar = nullptr;
    QWidget *m_sideBar = nullptr;
    QWidget *m_baseBar = nullptr;
    LayoutType m_layoutType = VerticalType;
};

} // namespace lumo
