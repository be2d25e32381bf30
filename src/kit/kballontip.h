#pragma once

#include <QWidget>

namespace lumo {

class KBallonTipPrivate;

enum TipType { TipNone = 0, TipSuccess = 1, TipInfo = 2, TipWarning = 3, TipError = 4, TipCustom = 5 };

// A transient tip window: an optional icon and a text, shown for a while and
// then gone for good (it deletes itself when its time is up).
class KBallonTip : public QWidget
{
    Q_OBJECT
public:
    explicit KBallonTip(QWidget *parent = nullptr);
    KBallonTip(const QString &text, TipType type, QWidget *parent = nullptr);
    ~KBallonTip() override;

    void setTipType(TipType type);
    void setTipType(int type);
    TipType tipType() const;
    void setText(const QString &text);
    QString text() const;
    // Display time in milliseconds.
    void setTipTime(int milliseconds);
    int tipTime() const;
    // Icon of the custom type.
    void setPixmap(const QPixmap &pixmap);

    // Shows the tip and starts its time.
    void showInfo();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class KBallonTipPrivate;
    KBallonTipPrivate *const d;
};

} // namespace lumo
