#include "SingleInstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kTimeoutMs = 2000;

} // namespace

QString SingleInstance::defaultServerName()
{
    // In the user's runtime folder: another session with a runtime folder of
    // its own (a second login, a test) has a program of its own. Qt gives
    // none unless it is a folder of this user's that only they may enter; a
    // name anywhere else (/tmp) another user could take first and be handed
    // our files.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return runtime + QStringLiteral("/orrinwick.socket");
}

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , _serverName(std::move(serverName))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QString &path) const
{
    if (!isPossible())
        return false;
    QLocalSocket socket;
    socket.connectToServer(_serverName);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    QByteArray request;
    QDataStream stream(&request, QIODevice::WriteOnly);
    stream << path;
    socket.write(request);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return false;
    // The running program answers once it has the request, so nothing is lost when we exit.
    return socket.waitForReadyRead(kTimeoutMs) && socket.read(1) == "1";
}

bool SingleInstance::listen()
{
    if (!isPossible())
        return false;
    // A start that came just before us is running: its socket stays. Asked
    // first, because with access options Qt puts a new socket in place by
    // renaming it over whatever file is there.
    if (isAnswering())
        return false;
    _server = new QLocalServer(this);
    _server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!_server->listen(_serverName)) {
        // A socket left by a program that crashed: take it over.
        QLocalServer::removeServer(_serverName);
        if (!_server->listen(_serverName))
            return false;
    }
    connect(_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    return true;
}

bool SingleInstance::isAnswering() const
{
    if (!isPossible())
        return false;
    QLocalSocket socket;
    socket.connectToServer(_serverName);
    return socket.waitForConnected(kTimeoutMs);
}

void SingleInstance::readRequest()
{
    while (QLocalSocket *socket = _server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            QString path;
            stream >> path;
            if (!stream.commitTransaction())
                return; // wait for the rest of the request
            socket->write("1");
            socket->flush();
            emit raiseRequested();
            if (!path.isEmpty())
                emit openRequested(path);
        });
    }
}
