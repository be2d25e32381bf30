#pragma once

#include <QFrame>
#include <QIcon>

class QLabel;

namespace lumo {

class KIconBarPrivate;

// The application icon and window name at the left of a title row.
class KIconBar : public QFrame
{
    Q_OBJECT
public:
    explicit KIconBar(QWidget *parent = nullptr);
    ~KIconBar() override;

    void setIcon(const QString &iconName);
    void setIcon(const QIcon &icon);
    QIcon icon() const;
    void setWidgetName(const QString &name);
    QString widgetName() const;

    QLabel *iconLabel();
    QLabel *nameLabel();

signals:
    void doubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    friend class KIconBarPrivate;
    KIconBarPrivate *const d;
};

} // namespace lumo
