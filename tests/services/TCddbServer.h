#pragma once

#include "TLocalHttpServer.h"

#include <QMap>

// A freedb server for tests: answers "cddb query" with QueryAnswer and "cddb read" of a
// category and disc id with the entry stored for them, in the CDDB protocol's own format.
class TCddbServer {
public:
    TCddbServer();

    QString Host() const { return http.Host(); }

    static QByteArray Entry(const QByteArray& category, const QByteArray& discId,
                            const QByteArray& lines);

    QByteArray QueryAnswer;
    QMap<QByteArray, QByteArray> ReadAnswers; // key "category discid"
    TLocalHttpServer http;
};
