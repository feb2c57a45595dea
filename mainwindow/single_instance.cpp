#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace tandem::mainwindow {

namespace {

const QByteArray activate = "activate\n";
constexpr int waitMilliseconds = 2000;

} // namespace

QString SingleInstance::DefaultKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray hash = QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("Tandem-") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , key_(std::move(key))
{
}

bool SingleInstance::ActivateRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(waitMilliseconds))
        return false;
    socket.write(activate);
    socket.waitForBytesWritten(waitMilliseconds);
    // The running instance answers once it has shown itself.
    socket.waitForReadyRead(waitMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(key_)) {
        // A server left behind by a program that crashed.
        QLocalServer::removeServer(key_);
        if (!server_->listen(key_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->readAll().contains("activate"))
                    return;
                emit ActivationRequested();
                client->write("shown\n");
            });
        }
    });
    return true;
}

} // namespace tandem::mainwindow
