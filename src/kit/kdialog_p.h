#pragma once

#include <QObject>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace lumo {

class KDialog;
class KIconBar;
class KWindowButtonBar;

class KDialogPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KDialogPrivate(KDialog *parent);

    void applySizes();

    KDialog *const q;
    QVBoxLayout *m_mainLayout = nullptr;
    QHBoxLayout *m_titleLayout = nullptr;
    KIconBar *m_iconBar = nullptr;
    KWindowButtonBar *m_buttonBar = nullptr;
    QWidget *m_mainWidget = nullptr;
};

} // namespace lumo
