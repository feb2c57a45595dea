#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace tandem::mainwindow {

// One running program per user: a second start asks the first to come to
// the front, hands it the sessions it was started with, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The name under which this user's running program answers.
    static QString DefaultKey();

    explicit SingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance is running; it has been asked to show
    // itself and open `sessions`.
    bool ActivateRunningInstance(const QStringList& sessions = {});
    // Starts answering later starts; false when that is not possible (the
    // program then simply runs without the guard).
    bool Listen();

signals:
    // A later start asked this instance to show itself and open `sessions`.
    void ActivationRequested(const QStringList& sessions);

private:
    // The request: "activate", then one line per session path
    // (percent-encoded, so that any name fits on a line), then an empty
    // line.
    static QByteArray request(const QStringList& sessions);
    // Takes a whole request from the front of `received`, if one is there,
    // and acts on it; true when the requester is owed its answer.
    bool answer(QByteArray& received);
    static const QByteArray shown;

    class Server;
    QString key_;
    std::unique_ptr<Server> server_;
};

} // namespace tandem::mainwindow
