// The single-instance hand-over over a local socket: the first copy listens under a per-user name, a
// later copy connects, writes its file paths (each ended by a zero byte) and closes; the first copy
// collects a connection's bytes until it closes, or until they pass the bound of one request, and then
// hands the paths on.
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

// One connection's request as it comes in.
struct Request {
    QByteArray bytes;
    bool cutOff = false;
    bool handedOn = false;
};

// Takes what has arrived, never more than one request may hold; past that the connection is dropped.
void ReadRequest(QLocalSocket* socket, Request& request) {
    if (request.cutOff) return;
    const qint64 room = qint64(kMaxHandedBytes) - request.bytes.size();
    request.bytes.append(socket->read(room));
    if (socket->bytesAvailable() > 0 && request.bytes.size() >= qint64(kMaxHandedBytes)) {
        request.cutOff = true;
        socket->abort();
    }
}

void HandOn(QLocalSocket* socket, Request& request) {
    if (request.handedOn) return;
    request.handedOn = true;
    socket->deleteLater();
    HandOverRefusals refused;
    const std::vector<std::string> files = SplitHandedPaths(
        std::span(reinterpret_cast<const UInt8*>(request.bytes.constData()), size_t(request.bytes.size())),
        request.cutOff, refused);
    request.bytes.clear();
    if (gHandedFilesProc) gHandedFilesProc(files, refused, gHandedFilesUserData);
}

void AcceptConnection() {
    while (QLocalSocket* socket = gServer->nextPendingConnection()) {
        auto request = std::make_shared<Request>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, request] {
            ReadRequest(socket, *request);
            if (request->cutOff) HandOn(socket, *request);
        });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, request] {
            ReadRequest(socket, *request);
            HandOn(socket, *request);
        });
    }
}

} // namespace

std::vector<std::string> SplitHandedPaths(std::span<const UInt8> bytes, bool cutOff,
                                          HandOverRefusals& refused) {
    refused = HandOverRefusals{};
    refused.cutOff = cutOff;
    std::vector<std::string> files;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        // The unended tail of a request that was cut off is a fragment of a path, not a path.
        if (end == bytes.size() && cutOff) break;
        const size_t length = end - start;
        if (length > 0) {
            if (length > kMaxHandedPathBytes || files.size() >= kMaxHandedFiles)
                ++refused.filesLeftOut;
            else
                files.emplace_back(reinterpret_cast<const char*>(bytes.data() + start), length);
        }
        start = end + 1;
    }
    return files;
}

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
