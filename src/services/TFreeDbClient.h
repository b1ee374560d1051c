#pragma once

#include "app/TResult.h"
#include "services/TFreeDbEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class IConnectionCheck;
class IHttpClient;

// Looks a disc up in freedb (CDDB over HTTP, protocol level 6): the query for its disc
// identification, a choice among several matches, and the read of one entry. Shows nothing:
// the outcome says what to show.
class TFreeDbClient {
public:
    static constexpr const char* DefaultHost = "gnudb.gnudb.org";
    static constexpr const char* NoResults = "No results in freedb";
    static constexpr const char* NoResponse = "No response";
    static constexpr const char* NotFound = "CD not found in freedb";
    static constexpr const char* SeveralFound = "Found more then one CD";

    struct TLookup {
        bool DirectMatch = false; // the query found one exact match and read it
        bool Read = false;        // Entry holds a successfully read entry
        TFreeDbEntry Entry;
        QString Message;          // a message box to show, or empty
        TResult Failure;          // why nothing came (network, server); shown to nobody
    };
    // Shows the matches and returns the index the user chose, or -1.
    using TPicker = std::function<int(const QList<TFreeDbMatch>&)>;

    TFreeDbClient(IHttpClient& http, IConnectionCheck& connection, QString host);

    // The whole lookup of the disc identification string.
    TLookup QueryDisc(const QString& discId, const TPicker& pick);
    TLookup ReadDisc(const QByteArray& category, const QByteArray& discId);
    // Lets the user choose among `matches` and reads the chosen one.
    TLookup PickDuplicate(const QList<TFreeDbMatch>& matches, const TPicker& pick);

    static QByteArray QueryUrl(const QString& host, const QString& discId);
    static QByteArray ReadUrl(const QString& host, const QByteArray& category,
                              const QByteArray& discId);
    // "&hello=" user, host, quoted client name and version, then "&proto=6". User and host
    // are fixed neutral words: no login or machine name leaves the computer.
    static QByteArray HelloSuffix();

private:
    QByteArray Get(const QByteArray& url, TLookup& lookup);

    IHttpClient& http_;
    IConnectionCheck& connection_;
    QString host_;
};
