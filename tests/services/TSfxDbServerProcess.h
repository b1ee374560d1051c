#pragma once

#include <QByteArrayList>
#include <QProcess>
#include <QString>
#include <QStringList>

// The real trackmoth-sfxdb, started for one test on 127.0.0.1 and a free port with its
// database in `databaseFile`, stopped (SIGTERM) with this object. Its request log tells which
// requests it served.
class TSfxDbServerProcess {
public:
    explicit TSfxDbServerProcess(const QString& databaseFile);
    ~TSfxDbServerProcess();

    bool Started() const { return port_ > 0; }
    QString Host() const { return QString("127.0.0.1:%1").arg(port_); }
    // Every request line logged so far ("GET /Trackmoth/cddb/v2/qVersion.asp").
    QByteArrayList Requests();
    // How many of them contain `part`.
    int Count(const QByteArray& part);
    void ClearRequests();

    // Runs the program with other arguments (an import or an export) and waits for it.
    static int Run(const QStringList& arguments, QByteArray* output = nullptr);
    static QString Program();

private:
    void ReadOutput();

    QProcess process_;
    int port_ = 0;
    QByteArray pending_;
    QByteArrayList requests_;
};
