#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// One running copy per user: the first copy listens on a local socket; a later copy finds it
// there, asks it to come to the front and ends, so that two windows never keep the same
// settings files (the last one to close would overwrite the other's). A socket left behind by
// a copy that crashed answers no one and is replaced.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` is a QLocalServer name: a plain name (in the temporary folder) or a full path.
    explicit TSingleInstance(QString name, QObject* parent = nullptr);

    // The name for the current user: in the user's runtime folder when there is one, else a
    // name in the temporary folder that holds the user id.
    static QString UserName();

    enum class EClaim { First, OtherRunning };
    // First: this copy now listens for later ones (or, where no socket can be made, runs
    // alone all the same). OtherRunning: the running copy was asked to come to the front and
    // to open `paths` (files or folders given to this copy), if any.
    EClaim Claim(const QStringList& paths = {});

signals:
    // A later copy asked this one to come to the front, and to open `paths` when not empty.
    void ActivationRequested(const QStringList& paths);

private:
    bool TellRunningCopy(const QStringList& paths);
    void AcceptCopies();
    // One "open" line of a later copy; false when it was not a copy's.
    bool TakeLine(const QByteArray& line, QStringList& paths);

    QString name_;
    QLocalServer* server_ = nullptr;
};
