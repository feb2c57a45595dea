#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>

#include <memory>

namespace tandem::mainwindow {

namespace {

// The request: "activate", then one line per session path (percent-encoded,
// so that any name fits on a line), then an empty line.
const QByteArray activate = "activate";
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

bool SingleInstance::ActivateRunningInstance(const QStringList& sessions)
{
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(waitMilliseconds))
        return false;
    QByteArray request = activate + '\n';
    for (const QString& session : sessions)
        request += QUrl::toPercentEncoding(session) + '\n';
    socket.write(request + '\n');
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
            auto request = std::make_shared<QByteArray>();
            connect(client, &QLocalSocket::readyRead, this, [this, client, request] {
                *request += client->readAll();
                if (!request->endsWith("\n\n"))
                    return;
                QList<QByteArray> lines = request->split('\n');
                request->clear();
                if (lines.isEmpty() || lines.takeFirst() != activate)
                    return;
                QStringList sessions;
                for (const QByteArray& line : lines)
                    if (!line.isEmpty())
                        sessions.push_back(QUrl::fromPercentEncoding(line));
                emit ActivationRequested(sessions);
                client->write("shown\n");
            });
        }
    });
    return true;
}

} // namespace tandem::mainwindow
