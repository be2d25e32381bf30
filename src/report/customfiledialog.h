#ifndef REPORT_CUSTOMFILEDIALOG_H
#define REPORT_CUSTOMFILEDIALOG_H

#include "reportdata/alertexport.h"

#include <QFileDialog>

// Save dialog of the report export: offers the report as a PDF, or the
// alerts of the range as CSV or JSON Lines, and "<name>.<suffix>" with only
// the name selected, so typing replaces the name and keeps the extension. The
// suffix follows the chosen format. It opens in the folder of the last
// export, or the user's documents folder the first time.
class CustomFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit CustomFileDialog(const QString &baseName, QWidget *parent = nullptr);

    QString baseName() const { return m_baseName; }
    // The format of the chosen file: its suffix when it names one, else the chosen filter's.
    ExportFormat format() const;
    // Where the next dialog opens: the folder of a file just exported.
    static void rememberExport(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void suggestName();
    void followFilter(const QString &filter);
    static QString &lastFolder();

    QString m_baseName;
};

#endif
