// Later starts reach the running program through a local socket of the
// system's own in the temporary folder (Linux). Qt's local sockets would do
// the same, but bring a network library, and the many it needs, into every
// start of the program.

#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tandem::mainwindow {

namespace {

constexpr int waitMilliseconds = 2000;
constexpr int backlog = 50;

// Where the running program of this key listens.
QByteArray socketPath(const QString& key) { return QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + key); }

bool addressOf(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Waits until `socket` is ready for `events`, for a while at most.
bool ready(int socket, short events)
{
    pollfd watched{ socket, events, 0 };
    int result;
    do
        result = poll(&watched, 1, waitMilliseconds);
    while (result < 0 && errno == EINTR);
    return result > 0;
}

bool sendAll(int socket, const QByteArray& data)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        if (!ready(socket, POLLOUT))
            return false;
        const ssize_t written =
            send(socket, data.constData() + sent, static_cast<std::size_t>(data.size() - sent), MSG_NOSIGNAL);
        if (written < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (written > 0)
            sent += written;
    }
    return true;
}

} // namespace

class SingleInstance::Server {
public:
    ~Server()
    {
        if (socket < 0)
            return;
        close(socket);
        unlink(path.constData());
    }

    int socket = -1;
    QByteArray path;
};

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , key_(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::ActivateRunningInstance(const QStringList& sessions)
{
    sockaddr_un address;
    if (!addressOf(socketPath(key_), address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(socket);
        return false;
    }
    if (sendAll(socket, request(sessions)) && ready(socket, POLLIN)) {
        // The running instance answers once it has shown itself.
        char reply[16];
        recv(socket, reply, sizeof reply, 0);
    }
    close(socket);
    return true;
}

bool SingleInstance::Listen()
{
    auto server = std::make_unique<Server>();
    server->path = socketPath(key_);
    // The socket is made in a folder only this user can enter and then
    // moved into place, so that nobody else can reach it at any moment. The
    // move replaces a socket left behind by a program that crashed.
    QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/.tandem-XXXXXX";
    if (!mkdtemp(folder.data()))
        return false;
    const QByteArray inside = folder + "/s";
    sockaddr_un address;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const bool listening = socket >= 0 && addressOf(inside, address) &&
        ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        chmod(inside.constData(), S_IRWXU) == 0 && ::listen(socket, backlog) == 0 &&
        rename(inside.constData(), server->path.constData()) == 0;
    unlink(inside.constData());
    rmdir(folder.constData());
    if (!listening) {
        if (socket >= 0)
            close(socket);
        return false;
    }
    server->socket = socket;
    server_ = std::move(server);

    auto* arrivals = new QSocketNotifier(static_cast<qintptr>(socket), QSocketNotifier::Read, this);
    connect(arrivals, &QSocketNotifier::activated, this, [this, socket] {
        int client;
        while ((client = accept4(socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
            auto* reading = new QSocketNotifier(static_cast<qintptr>(client), QSocketNotifier::Read, this);
            auto received = std::make_shared<QByteArray>();
            connect(reading, &QSocketNotifier::activated, this, [this, client, reading, received] {
                char chunk[4096];
                ssize_t count;
                while ((count = recv(client, chunk, sizeof chunk, 0)) > 0)
                    received->append(chunk, count);
                const bool answered = answer(*received);
                if (answered)
                    sendAll(client, shown);
                // Done once answered, or once the other side has gone.
                if (answered || count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
                    reading->setEnabled(false);
                    reading->deleteLater();
                    close(client);
                }
            });
        }
    });
    return true;
}

} // namespace tandem::mainwindow
