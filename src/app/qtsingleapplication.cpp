#include "app/qtsingleapplication.h"
#include "logging/logcategories.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char ACK = '\1';
// A message is an alert id; nothing longer is one.
const int MAX_MESSAGE_BYTES = 4096;
const int CLIENT_TIMEOUT_MS = 5000;
// Connections served at once. Later ones wait in the listen queue, so a
// process that holds connections open cannot use up our descriptors.
const int MAX_CLIENTS = 8;
const int LISTEN_BACKLOG = 32;
const int ACCEPT_RETRY_MS = 200;

QString errnoText()
{
    return QString::fromLocal8Bit(strerror(errno));
}

// Why path may not hold the lock and the socket, or nothing: it must be a
// directory of this user, not a link, closed to everyone else.
QString unsafeDirectoryReason(const QByteArray &path)
{
    const QString name = QFile::decodeName(path);
    struct stat status;
    if (lstat(path.constData(), &status) != 0)
        return QString("cannot examine %1: %2").arg(name, errnoText());
    if (S_ISLNK(status.st_mode))
        return name + " is a symbolic link";
    if (!S_ISDIR(status.st_mode))
        return name + " is not a directory";
    if (status.st_uid != geteuid())
        return QString("%1 belongs to uid %2").arg(name).arg(status.st_uid);
    if (status.st_mode & 077)
        return QString("%1 is open to other users (mode %2)")
            .arg(name)
            .arg(status.st_mode & 0777, 4, 8, QChar('0'));
    return QString();
}

// The directory of id's lock and socket in the user's runtime directory,
// created 0700 when missing; empty, with the reason, when none is safe. A
// shared place such as /tmp never is: another user could create the name first.
QString privateDirectory(const QString &id, QString *reason)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.startsWith('/')) {
        *reason
            = runtime.isEmpty() ? "XDG_RUNTIME_DIR is not set" : "XDG_RUNTIME_DIR is not an absolute path";
        return QString();
    }
    *reason = unsafeDirectoryReason(runtime);
    if (!reason->isEmpty())
        return QString();
    const QByteArray dir = runtime + "/qtsingleapp-"
        + QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    if (mkdir(dir.constData(), 0700) != 0 && errno != EEXIST) {
        *reason = QString("cannot create %1: %2").arg(QFile::decodeName(dir), errnoText());
        return QString();
    }
    *reason = unsafeDirectoryReason(dir);
    return reason->isEmpty() ? QFile::decodeName(dir) : QString();
}

// The user id of the process at the other end of a local socket, or -1.
long peerUid(qintptr fd)
{
    struct ucred credentials;
    socklen_t length = sizeof(credentials);
    if (getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return -1;
    return long(credentials.uid);
}

} // namespace

// The first instance's end of the socket. A message is a 32-bit big-endian
// length and that many bytes of UTF-8, answered with one acknowledging byte.
// Only processes of this user are served, a few at a time.
class HandOverServer : public QObject
{
public:
    explicit HandOverServer(std::function<void(const QString &)> receive)
        : m_receive(std::move(receive))
    {
    }
    ~HandOverServer() override;

    // Logs why not.
    bool listen(const QString &path);

private:
    void acceptConnections();
    void pauseAccepting();
    void serve(int fd);

    std::function<void(const QString &)> m_receive;
    QByteArray m_path;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    int m_clients = 0;
    bool m_paused = false;
    bool m_acceptFailing = false;
};

HandOverServer::~HandOverServer()
{
    if (m_fd < 0)
        return;
    delete m_notifier;
    close(m_fd);
    if (!m_path.isEmpty())
        unlink(m_path.constData());
}

bool HandOverServer::listen(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(file.size()) >= sizeof(address.sun_path)) {
        qCWarning(lcApp, "QtSingleApplication: socket path too long: %s", file.constData());
        return false;
    }
    memcpy(address.sun_path, file.constData(), size_t(file.size()));
    m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        const char *reason = strerror(errno); // before the log category, which may touch errno
        qCWarning(lcApp, "QtSingleApplication: cannot create a socket: %s", reason);
        return false;
    }
    // The lock is ours, so a socket file left behind belongs to a dead instance.
    unlink(file.constData());
    if (bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        const char *reason = strerror(errno);
        qCWarning(lcApp, "QtSingleApplication: cannot listen on %s: %s", file.constData(), reason);
        return false;
    }
    m_path = file;
    if (chmod(file.constData(), 0600) != 0 || ::listen(m_fd, LISTEN_BACKLOG) != 0) {
        const char *reason = strerror(errno);
        qCWarning(lcApp, "QtSingleApplication: cannot listen on %s: %s", file.constData(), reason);
        return false;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HandOverServer::acceptConnections);
    return true;
}

void HandOverServer::acceptConnections()
{
    while (m_clients < MAX_CLIENTS && !m_paused) {
        const int fd = accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            m_acceptFailing = false;
            const long uid = peerUid(fd);
            if (uid == long(geteuid())) {
                serve(fd);
            } else {
                qCWarning(lcApp, "QtSingleApplication: refused a connection from uid %ld", uid);
                close(fd);
            }
        } else if (errno != EINTR && errno != ECONNABORTED) {
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                pauseAccepting();
            break;
        }
    }
    // At the cap, waiting connections stay queued until a client leaves.
    m_notifier->setEnabled(m_clients < MAX_CLIENTS && !m_paused);
}

// Out of descriptors, say: the listening socket stays, and accepting resumes
// a little later instead of spinning on the connection still waiting.
void HandOverServer::pauseAccepting()
{
    const char *reason = strerror(errno);
    if (!m_acceptFailing)
        qCWarning(lcApp, "QtSingleApplication: cannot accept a connection: %s; trying again", reason);
    m_acceptFailing = true;
    m_paused = true;
    QTimer::singleShot(ACCEPT_RETRY_MS, this, [this] {
        m_paused = false;
        acceptConnections();
    });
}

void HandOverServer::serve(int fd)
{
    auto *socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(fd)) {
        close(fd);
        delete socket;
        return;
    }
    ++m_clients;
    connect(socket, &QObject::destroyed, this, [this] {
        --m_clients;
        acceptConnections();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    auto readMessage = [this, socket, buffer] {
        if (socket->state() != QLocalSocket::ConnectedState)
            return; // answered already
        // Never more than one message's worth, whatever the peer sends.
        buffer->append(socket->read(4 + MAX_MESSAGE_BYTES - buffer->size()));
        if (buffer->size() < 4)
            return;
        const quint32 length = qFromBigEndian<quint32>(buffer->constData());
        if (length > quint32(MAX_MESSAGE_BYTES)) {
            qCWarning(lcApp, "QtSingleApplication: dropped a message of %u bytes (at most %d)", length,
                MAX_MESSAGE_BYTES);
            socket->abort();
            return;
        }
        if (quint32(buffer->size() - 4) < length)
            return;
        const QString message = QString::fromUtf8(buffer->constData() + 4, int(length));
        socket->write(&ACK, 1);
        socket->disconnectFromServer();
        m_receive(message);
    };
    connect(socket, &QLocalSocket::readyRead, socket, readMessage);
    // A peer that never finishes its message is dropped.
    QTimer::singleShot(CLIENT_TIMEOUT_MS, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0)
        readMessage();
}

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_id(id)
{
    QString reason;
    const QString dir = privateDirectory(id, &reason);
    if (dir.isEmpty()) {
        qCWarning(
            lcApp, "QtSingleApplication: %s; running without single-instance hand-over", qPrintable(reason));
        return;
    }
    m_socketName = dir + "/socket";
    m_lock = std::make_unique<QLockFile>(dir + "/lock");
    // A lock left by a crashed instance is stale once its process is gone.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_running = m_lock->error() == QLockFile::LockFailedError;
        if (!m_running)
            qCWarning(lcApp, "QtSingleApplication: cannot lock %s; running without single-instance hand-over",
                qPrintable(dir + "/lock"));
        return;
    }
    m_server = std::make_unique<HandOverServer>([this](const QString &message) { receive(message); });
    if (!m_server->listen(m_socketName)) {
        // Others then run on their own too, rather than wait for an instance that cannot hear them.
        m_server.reset();
        m_lock->unlock();
        qCWarning(lcApp, "QtSingleApplication: running without single-instance hand-over");
    }
}

QtSingleApplication::~QtSingleApplication()
{
    // The socket goes before the lock, so no later instance finds ours dead but present.
    m_server.reset();
}

void QtSingleApplication::receive(const QString &message)
{
    emit messageReceived(message);
    if (m_activateOnMessage)
        activateWindow();
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!m_running)
        return false;
    const QByteArray bytes = message.toUtf8();
    if (bytes.size() > MAX_MESSAGE_BYTES) {
        qCWarning(lcApp, "QtSingleApplication: not sending a message of %d bytes (at most %d)", bytes.size(),
            MAX_MESSAGE_BYTES);
        return false;
    }
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    // Only an instance of this user gets the text.
    const long uid = peerUid(socket.socketDescriptor());
    if (uid != long(geteuid())) {
        qCWarning(
            lcApp, "QtSingleApplication: %s is held by uid %ld; not sending", qPrintable(m_socketName), uid);
        return false;
    }
    uchar header[4];
    qToBigEndian(quint32(bytes.size()), header);
    socket.write(reinterpret_cast<const char *>(header), 4);
    socket.write(bytes);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    if (!socket.waitForReadyRead(int(deadline.remainingTime())))
        return false;
    return socket.read(1) == QByteArray(1, ACK);
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

void QtSingleApplication::activateWindow()
{
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->show();
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}
