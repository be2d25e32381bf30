#include "report/customfiledialog.h"

#include <QLineEdit>
#include <QTimer>

CustomFileDialog::CustomFileDialog(const QString &baseName, QWidget *parent)
    : QFileDialog(parent)
    , m_baseName(baseName)
{
    // Qt's own dialog: a desktop's native one has no name field to preselect.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix("pdf");
    setNameFilter(QString("%1 %2 %3").arg("PDF", tr("file"), "(*.pdf)"));
}

void CustomFileDialog::showEvent(QShowEvent *event)
{
    QFileDialog::showEvent(event);
    // The dialog fills its name field itself once shown; ours comes after.
    QTimer::singleShot(300, this, &CustomFileDialog::suggestName);
}

void CustomFileDialog::suggestName()
{
    auto *edit = findChild<QLineEdit *>();
    if (!edit)
        return;
    const QString name = QString("%1.pdf").arg(m_baseName);
    edit->setText(name);
    edit->selectAll();
    const int dot = name.lastIndexOf('.');
    edit->setSelection(0, dot < 0 ? name.size() : dot);
}
