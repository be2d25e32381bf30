#include "app/qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QTimer>
#include <QtEndian>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

#include <memory>

namespace {

const char ACK = '\1';
const quint32 MAX_MESSAGE_BYTES = 1 << 20;
const int CLIENT_TIMEOUT_MS = 5000;

// One name per id and user, in the user's runtime directory when there is one.
QString instanceBaseName(const QString &id)
{
    const QByteArray key = id.toUtf8() + '-' + QByteArray::number(uint(getuid()));
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + "/qtsingleapp-" + hash;
}

} // namespace

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_id(id)
{
    const QString base = instanceBaseName(id);
    m_socketName = base + ".socket";
    m_lock = std::make_unique<QLockFile>(base + ".lock");
    // A lock left by a crashed instance is stale once its process is gone.
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0);
    if (!m_running)
        startServer();
}

QtSingleApplication::~QtSingleApplication()
{
    if (m_server)
        m_server->close();
}

void QtSingleApplication::startServer()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket file left behind belongs to a dead instance.
    QLocalServer::removeServer(m_socketName);
    if (!m_server->listen(m_socketName)) {
        qWarning("QtSingleApplication: cannot listen on %s: %s", qPrintable(m_socketName),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &QtSingleApplication::readConnection);
}

void QtSingleApplication::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // A message is a 32-bit big-endian length and that many bytes of UTF-8,
        // answered with one acknowledging byte.
        auto buffer = std::make_shared<QByteArray>();
        auto readMessage = [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() < 4)
                return;
            const quint32 length = qFromBigEndian<quint32>(buffer->constData());
            if (length > MAX_MESSAGE_BYTES) {
                socket->abort();
                return;
            }
            if (quint32(buffer->size() - 4) < length)
                return;
            const QString message = QString::fromUtf8(buffer->constData() + 4, int(length));
            socket->write(&ACK, 1);
            socket->disconnectFromServer();
            emit messageReceived(message);
            if (m_activateOnMessage)
                activateWindow();
        };
        connect(socket, &QLocalSocket::readyRead, socket, readMessage);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that never finishes its message is dropped.
        QTimer::singleShot(CLIENT_TIMEOUT_MS, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0)
            readMessage();
    }
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!m_running)
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(timeout))
        return false;
    const QByteArray bytes = message.toUtf8();
    QDataStream stream(&socket);
    stream << quint32(bytes.size());
    socket.write(bytes);
    if (!socket.waitForBytesWritten(timeout))
        return false;
    if (!socket.waitForReadyRead(timeout))
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
