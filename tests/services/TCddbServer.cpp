#include "TCddbServer.h"

#include <QRegularExpression>

TCddbServer::TCddbServer() {
    http.Reply = [this](const TLocalHttpServer::TRequest& request) {
        TLocalHttpServer::TAnswer answer;
        const QString target = QString::fromUtf8(request.Target);
        const QRegularExpression read("cmd=cddb\\+read\\+([^+&]*)\\+([^+&]*)&");
        const QRegularExpressionMatch match = read.match(target);
        if (target.contains("cmd=cddb+query+"))
            answer.Body = QueryAnswer;
        else if (match.hasMatch())
            answer.Body = ReadAnswers.value((match.captured(1) + " " + match.captured(2)).toUtf8(),
                                            "401 rock 7a0b3c0d No such CD entry in database.\r\n");
        else
            answer.Body = "500 Unrecognized command.\r\n";
        return answer;
    };
}

QByteArray TCddbServer::Entry(const QByteArray& category, const QByteArray& discId,
                              const QByteArray& lines) {
    return "210 " + category + " " + discId +
           " CD database entry follows (until terminating `.')\r\n"
           "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t20000\r\n#\t40000\r\n#\r\n"
           "# Disc length: 2000 seconds\r\n#\r\n# Revision: 3\r\n"
           "# Submitted via: ExampleRipper 1.0\r\n#\r\nDISCID=" + discId + "\r\n" + lines +
           "EXTD= YEAR: 1999\r\nEXTT0=\r\nEXTT1=\r\nEXTT2=\r\nPLAYORDER=\r\n.\r\n";
}
