#include "single_instance.h"

#include <QCryptographicHash>
#include <QUrl>

namespace tandem::mainwindow {

namespace {

const QByteArray activate = "activate";

} // namespace

const QByteArray SingleInstance::shown = "shown\n";

QString SingleInstance::DefaultKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray hash = QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("Tandem-") + QString::fromLatin1(hash);
}

QByteArray SingleInstance::request(const QStringList& sessions)
{
    QByteArray text = activate + '\n';
    for (const QString& session : sessions)
        text += QUrl::toPercentEncoding(session) + '\n';
    return text + '\n';
}

bool SingleInstance::answer(QByteArray& received)
{
    const qsizetype end = received.indexOf("\n\n");
    if (end < 0)
        return false;
    QList<QByteArray> lines = received.left(end).split('\n');
    received.remove(0, end + 2);
    if (lines.takeFirst() != activate)
        return false;
    QStringList sessions;
    for (const QByteArray& line : lines)
        if (!line.isEmpty())
            sessions.push_back(QUrl::fromPercentEncoding(line));
    emit ActivationRequested(sessions);
    return true;
}

} // namespace tandem::mainwindow
