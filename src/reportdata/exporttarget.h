#ifndef REPORTDATA_EXPORTTARGET_H
#define REPORTDATA_EXPORTTARGET_H

#include <QCoreApplication>
#include <QIODevice>
#include <QString>

#include <sys/types.h>

#include <memory>

class ExportDevice;

// The file an export writes. The target may be in a folder other users can
// write to, so nothing is ever written through what is at its path: the data
// goes into a private temporary file beside it, which replaces the target
// only at commit(). A target that is a link, a device, a pipe, a socket or a
// folder, or a file that is not the user's own writable file, is refused and
// left as it is. An existing file keeps its mode; a new one gets the usual
// mode. Every failure is one translated sentence that names its cause.
class ExportFile
{
    Q_DECLARE_TR_FUNCTIONS(ExportFile)
public:
    ExportFile();
    ~ExportFile(); // discards what was not committed
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    bool open(const QString &target, QString *error);
    // Where the export writes, open for writing between open() and commit().
    QIODevice *device();
    // Puts the written file in place of the target.
    bool commit(QString *error);
    // Removes the temporary file; the target stays as it was.
    void discard();

    // Why writing to the device failed (a full disk, ...), after a failed write.
    QString writeError() const;
    // The text writers give when the user cancelled.
    static QString cancelledError();

private:
    bool checkTarget(QString *error, bool *exists, mode_t *mode) const;
    QString failure(int error) const;

    QString m_target;
    QString m_name;
    int m_folder = -1;
    std::string m_tempName;
    std::unique_ptr<ExportDevice> m_device;
    mode_t m_mode = 0;
};

#endif
