#ifndef REPORT_CUSTOMFILEDIALOG_H
#define REPORT_CUSTOMFILEDIALOG_H

#include <QFileDialog>

// Save dialog of the report export: offers "<name>.pdf" with only the name
// selected, so typing replaces the name and keeps the extension.
class CustomFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit CustomFileDialog(const QString &baseName, QWidget *parent = nullptr);

    QString baseName() const { return m_baseName; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void suggestName();

    QString m_baseName;
};

#endif
