#include "TSfxDbServerProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

QString TSfxDbServerProcess::Program() { return QStringLiteral(TRACKMOTH_SFXDB_PROGRAM); }

TSfxDbServerProcess::TSfxDbServerProcess(const QString& databaseFile) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(Program(), {"--database", databaseFile, "--port", "0"});
    QElapsedTimer waited;
    waited.start();
    const QRegularExpression serving("Serving .* on http://127\\.0\\.0\\.1:(\\d+)/");
    while (port_ == 0 && waited.elapsed() < 10'000 && process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(100);
        pending_ += process_.readAllStandardOutput();
        const qsizetype end = pending_.indexOf('\n');
        if (end < 0)
            continue;
        const QRegularExpressionMatch match = serving.match(QString::fromUtf8(pending_.left(end)));
        pending_.remove(0, end + 1);
        if (match.hasMatch())
            port_ = match.captured(1).toInt();
    }
}

TSfxDbServerProcess::~TSfxDbServerProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void TSfxDbServerProcess::ReadOutput() {
    // The server logs a request before it answers it, so the line is there already.
    process_.waitForReadyRead(20);
    pending_ += process_.readAllStandardOutput();
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        requests_.append(pending_.left(end));
        pending_.remove(0, end + 1);
    }
}

QByteArrayList TSfxDbServerProcess::Requests() {
    ReadOutput();
    return requests_;
}

int TSfxDbServerProcess::Count(const QByteArray& part) {
    int count = 0;
    for (const QByteArray& line : Requests())
        count += line.contains(part) ? 1 : 0;
    return count;
}

void TSfxDbServerProcess::ClearRequests() {
    ReadOutput();
    requests_.clear();
}

int TSfxDbServerProcess::Run(const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.start(Program(), arguments);
    process.waitForFinished(30'000);
    if (output)
        *output = process.readAllStandardOutput() + process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
