// Later starts reach the running program through Qt's local sockets (named
// pipes on Windows).

#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

namespace tandem::mainwindow {

namespace {

constexpr int waitMilliseconds = 2000;

} // namespace

class SingleInstance::Server : public QLocalServer {
public:
    using QLocalServer::QLocalServer;
};

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , key_(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::ActivateRunningInstance(const QStringList& sessions)
{
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(waitMilliseconds))
        return false;
    socket.write(request(sessions));
    socket.waitForBytesWritten(waitMilliseconds);
    // The running instance answers once it has shown itself.
    socket.waitForReadyRead(waitMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen()
{
    server_ = std::make_unique<Server>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(key_)) {
        // A server left behind by a program that crashed.
        QLocalServer::removeServer(key_);
        if (!server_->listen(key_))
            return false;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            auto received = std::make_shared<QByteArray>();
            connect(client, &QLocalSocket::readyRead, this, [this, client, received] {
                *received += client->readAll();
                if (answer(*received))
                    client->write(shown);
            });
        }
    });
    return true;
}

} // namespace tandem::mainwindow
