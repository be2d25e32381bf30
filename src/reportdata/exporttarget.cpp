#include "reportdata/exporttarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Buffered writes straight to the temporary file's descriptor, so that a
// failure keeps its errno and the message can name the cause.
class ExportDevice : public QIODevice
{
public:
    explicit ExportDevice(int fd)
        : m_fd(fd)
    {
        m_buffer.reserve(BUFFER_BYTES);
        QIODevice::open(QIODevice::WriteOnly);
    }
    ~ExportDevice() override { closeFile(); }

    bool flushBuffer()
    {
        const char *data = m_buffer.data();
        size_t left = m_buffer.size();
        while (left > 0 && m_error == 0) {
            const ssize_t written = ::write(m_fd, data, left);
            if (written < 0) {
                if (errno != EINTR)
                    m_error = errno;
                continue;
            }
            data += written;
            left -= size_t(written);
        }
        m_buffer.clear();
        return m_error == 0;
    }

    // Flushed, on disk and closed; 0 or the errno of what failed.
    int finish(mode_t mode)
    {
        if (flushBuffer() && ::fsync(m_fd) != 0)
            m_error = errno;
        if (m_error == 0 && ::fchmod(m_fd, mode) != 0)
            m_error = errno;
        if (::close(m_fd) != 0 && m_error == 0)
            m_error = errno;
        m_fd = -1;
        QIODevice::close();
        return m_error;
    }

    void closeFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        if (isOpen())
            QIODevice::close();
    }

    int error() const { return m_error; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_error != 0 || m_fd < 0)
            return -1;
        if (m_buffer.size() + size_t(size) > BUFFER_BYTES && !flushBuffer())
            return -1;
        if (size_t(size) >= BUFFER_BYTES) {
            m_buffer.assign(data, size_t(size));
            return flushBuffer() ? size : -1;
        }
        m_buffer.append(data, size_t(size));
        return size;
    }

private:
    static constexpr size_t BUFFER_BYTES = 256 * 1024;
    int m_fd;
    int m_error = 0;
    std::string m_buffer;
};

namespace {

// What the umask leaves of rw-rw-rw-, read without changing the process's
// umask, which other threads rely on.
mode_t usualMode()
{
    QFile status("/proc/self/status");
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(0666 & ~mask);
            }
        }
    }
    return 0644;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ExportFile::ExportFile() = default;

ExportFile::~ExportFile()
{
    discard();
}

QString ExportFile::cancelledError()
{
    return tr("The export was cancelled.");
}

QString ExportFile::failure(int error) const
{
    const QString folder = native(QFileInfo(m_target).absolutePath());
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return tr("The report could not be written: the disk of the folder %1 is full.").arg(folder);
    case EROFS:
        return tr("The report could not be written: the folder %1 is on a read-only file system.")
            .arg(folder);
    case EACCES:
    case EPERM:
        return tr("The report could not be written: the folder %1 cannot be written to.").arg(folder);
    case ENAMETOOLONG:
        return tr("The report could not be written: the name %1 is too long for the file system.")
            .arg(native(m_target));
    case ENOENT:
        return tr("The report could not be written: the folder %1 does not exist.").arg(folder);
    case ENOTDIR:
        return tr("The report could not be written: %1 is not a folder.").arg(folder);
    case EISDIR:
        return tr("The report could not be written: %1 is a folder.").arg(native(m_target));
    default:
        return tr("The report could not be written: %1.").arg(QString::fromLocal8Bit(strerror(error)));
    }
}

bool ExportFile::checkTarget(QString *error, bool *exists, mode_t *mode) const
{
    struct stat entry;
    *exists = false;
    if (m_name.isEmpty() || m_name == "." || m_name == "..") {
        *error = failure(EISDIR);
        return false;
    }
    if (::fstatat(m_folder, QFile::encodeName(m_name).constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            *error = failure(errno);
            return false;
        }
        *mode = usualMode();
        return true;
    }
    *exists = true;
    const QString target = native(m_target);
    if (S_ISLNK(entry.st_mode))
        *error = tr("The report could not be written: %1 is a symbolic link.").arg(target);
    else if (S_ISDIR(entry.st_mode))
        *error = failure(EISDIR);
    else if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        *error = tr("The report could not be written: %1 is a device.").arg(target);
    else if (S_ISFIFO(entry.st_mode))
        *error = tr("The report could not be written: %1 is a named pipe.").arg(target);
    else if (S_ISSOCK(entry.st_mode))
        *error = tr("The report could not be written: %1 is a socket.").arg(target);
    else if (!S_ISREG(entry.st_mode))
        *error = tr("The report could not be written: %1 is not a regular file.").arg(target);
    else if (entry.st_uid != ::geteuid())
        *error = tr("The report could not be written: %1 belongs to another user.").arg(target);
    // The owner's write permission, not access(): the administrator may write anything.
    else if (!(entry.st_mode & S_IWUSR))
        *error = tr("The report could not be written: %1 is read-only.").arg(target);
    else {
        *mode = entry.st_mode & 0777;
        return true;
    }
    return false;
}

bool ExportFile::open(const QString &target, QString *error)
{
    discard();
    m_target = target;
    const int slash = target.lastIndexOf('/');
    m_name = target.mid(slash + 1);
    const QString folder = slash < 0 ? QString(".") : slash == 0 ? QString("/") : target.left(slash);
    m_folder = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0) {
        *error = failure(errno);
        return false;
    }
    bool exists = false;
    if (!checkTarget(error, &exists, &m_mode)) {
        discard();
        return false;
    }
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        m_tempName = ".tarvix-export-" + std::to_string(QRandomGenerator::system()->generate64()) + ".part";
        fd = ::openat(
            m_folder, m_tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        // The folder is there (it was opened): a file system such as /proc
        // that takes no new files says ENOENT.
        *error = failure(errno == ENOENT ? EACCES : errno);
        m_tempName.clear();
        discard();
        return false;
    }
    m_device = std::make_unique<ExportDevice>(fd);
    return true;
}

QIODevice *ExportFile::device()
{
    return m_device.get();
}

QString ExportFile::writeError() const
{
    return failure(m_device && m_device->error() ? m_device->error() : EIO);
}

bool ExportFile::commit(QString *error)
{
    if (!m_device) {
        *error = failure(EBADF);
        return false;
    }
    // Checked again just before the rename: something may have been put
    // there meanwhile. The rename itself replaces whatever entry is there by
    // then and never follows a link.
    bool exists = false;
    mode_t mode = m_mode;
    if (!checkTarget(error, &exists, &mode)) {
        discard();
        return false;
    }
    if (const int failed = m_device->finish(mode)) {
        *error = failure(failed);
        discard();
        return false;
    }
    if (::renameat(m_folder, m_tempName.c_str(), m_folder, QFile::encodeName(m_name).constData()) != 0) {
        *error = failure(errno);
        discard();
        return false;
    }
    m_tempName.clear();
    ::fsync(m_folder);
    discard();
    return true;
}

void ExportFile::discard()
{
    m_device.reset();
    if (m_folder >= 0) {
        if (!m_tempName.empty())
            ::unlinkat(m_folder, m_tempName.c_str(), 0);
        ::close(m_folder);
    }
    m_folder = -1;
    m_tempName.clear();
}
