#pragma once

#include "kit/kballontip.h"

#include <QObject>
#include <QPixmap>

class QGraphicsDropShadowEffect;
class QHBoxLayout;
class QLabel;
class QTimer;

namespace lumo {

class KBallonTipPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KBallonTipPrivate(KBallonTip *parent);

    void updateIcon();
    void updateSize();
    void onTimeout();

    KBallonTip *const q;
    QHBoxLayout *m_layout = nullptr;
    QLabel *m_contentLabel = nullptr;
    QLabel *m_iconLabel = nullptr;
    QGraphicsDropShadowEffect *m_shadow = nullptr;
    QTimer *m_timer = nullptr;
    TipType m_type = TipNone;
    QPixmap m_customPixmap;
    int m_time = 1000;
};

} // namespace lumo
