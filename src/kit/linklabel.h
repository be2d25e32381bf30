#pragma once

#include <QLabel>

namespace lumo {

class LinkLabelPrivate;

// A label that reads and behaves like a link: link colour, underline under
// the pointer, and a click signal. Its text is always plain text.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    ~LinkLabel() override;

    // Colour of the text; the palette's link colour when not set.
    void setTextColor(const QColor &colour);
    QColor textColor() const;

    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class LinkLabelPrivate;
    LinkLabelPrivate *const d;
};

} // namespace lumo
