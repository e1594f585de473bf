// The single-instance hand-over over a local socket: the first copy listens under a per-user name, a
// later copy connects, writes its file paths (each ended by a zero byte) and closes; the first copy
// collects a connection's bytes until it closes and then hands the paths on.
#include "platform/single_instance.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

#include <memory>

namespace {

constexpr int kConnectMillis = 1000;
constexpr int kWriteMillis = 3000;

std::unique_ptr<QLocalServer> gServer;
HandedFilesProc gHandedFilesProc = nullptr;
void* gHandedFilesUserData = nullptr;

QString SocketName(const std::string& key) {
    return QStringLiteral("orvalis-%1-%2").arg(::getuid()).arg(QString::fromStdString(key));
}

std::vector<std::string> SplitPaths(const QByteArray& bytes) {
    std::vector<std::string> files;
    for (const QByteArray& part : bytes.split('\0'))
        if (!part.isEmpty()) files.emplace_back(part.constData(), size_t(part.size()));
    return files;
}

void AcceptConnection() {
    while (QLocalSocket* socket = gServer->nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket,
                         [socket, received] { received->append(socket->readAll()); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, received] {
            received->append(socket->readAll());
            socket->deleteLater();
            if (gHandedFilesProc) gHandedFilesProc(SplitPaths(*received), gHandedFilesUserData);
        });
    }
}

} // namespace

OSErr HandFilesToRunningCopy(const std::string& key, const std::vector<std::string>& files) {
    QLocalSocket socket;
    socket.connectToServer(SocketName(key));
    if (!socket.waitForConnected(kConnectMillis)) return fnfErr;
    QByteArray bytes;
    for (const std::string& file : files) {
        bytes.append(file.data(), qsizetype(file.size()));
        bytes.append('\0');
    }
    socket.write(bytes);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(kWriteMillis)) {
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMillis);
    return noErr;
}

SingleInstanceResult ClaimSingleInstance(const std::string& key, const std::vector<std::string>& files,
                                         HandedFilesProc proc, void* userData) {
    if (!QCoreApplication::instance()) return kSingleInstanceUnusable;
    if (HandFilesToRunningCopy(key, files) == noErr) return kHandedToRunningCopy;
    ReleaseSingleInstance();
    const QString name = SocketName(key);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered, so a socket file left by a copy that crashed is stale.
    if (!server->listen(name)) {
        QLocalServer::removeServer(name);
        if (!server->listen(name)) return kSingleInstanceUnusable;
    }
    gHandedFilesProc = proc;
    gHandedFilesUserData = userData;
    gServer = std::move(server);
    QObject::connect(gServer.get(), &QLocalServer::newConnection, gServer.get(), AcceptConnection);
    return kFirstInstance;
}

void ReleaseSingleInstance() {
    if (!gServer) return;
    gServer->close();
    gServer.reset();
    gHandedFilesProc = nullptr;
    gHandedFilesUserData = nullptr;
}
