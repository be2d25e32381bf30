#pragma once

#include "kit/ktabbar.h"

#include <QObject>
#include <QRectF>

class QVariantAnimation;

namespace lumo {

class KTabBarPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KTabBarPrivate(KTabBar *parent);

    void onCurrentChanged(int index);
    void syncIndicator();

    KTabBar *const q;
    KTabBarStyle m_style = SegmentLight;
    int m_radius = 6;
    int m_hovered = -1;
    QRectF m_indicator;
    QVariantAnimation *m_animation = nullptr;
};

} // namespace lumo
