#ifndef APP_TARVIX_TITLE_BAR_BTN_H
#define APP_TARVIX_TITLE_BAR_BTN_H

#include <QPushButton>

// A window button drawn from three images: normal, hovered and pressed.
class tarvix_title_bar_btn : public QPushButton
{
    Q_OBJECT
public:
    explicit tarvix_title_bar_btn(QWidget *parent = nullptr);

    void setImages(const QString &normal, const QString &hover, const QString &pressed);
    QString currentImage() const { return m_current; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showImage(const QString &path);

    QString m_normal;
    QString m_hover;
    QString m_pressed;
    QString m_current;
};

#endif
