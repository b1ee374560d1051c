#pragma once

#include "app/TResult.h"
#include "services/IHttpClient.h"
#include "services/TSfxDbDocument.h"
#include "services/TSfxDbTree.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class IConnectionCheck;
class IHttpClient;

// The client of the SFX CD database: search by producer, series and CD title (with the local
// copy "cddb.xml" of the whole database, refreshed when the server's revision is newer), the
// tracks of one record, the record of a disc id, and the reports back (a link of a disc id to
// a record, a new CD). Shows nothing: outcomes say what went wrong.
class TSfxDbClient {
public:
    static constexpr const char* BasePath = "/Trackmoth/cddb/v2/";
    static constexpr const char* CacheFileName = "cddb.xml";
    static constexpr const char* NoServerMessage =
        "No SFX CD database server is set.\nEnter its address under Options, "
        "\"SFX CD database server:\".";

    struct TSearch {
        bool Found = false;  // at least one CD matched
        bool Single = false; // exactly one: it is loaded already
        TSfxDbTree::TTree Tree; // two or more: the tree to choose from
        QString Error;       // for the status line of the dialog; may come with a result
    };

    // `host` gives the server's address (may be empty: no server); `cddbVersion` is the
    // revision of the cache, kept by the settings.
    TSfxDbClient(IHttpClient& http, IConnectionCheck& connection, std::function<QString()> host,
                 QString programFolder, int& cddbVersion);

    bool HasServer() const { return !host_().trimmed().isEmpty(); }
    QString CachePath() const;

    TSearch Search(const QString& producer, const QString& series, const QString& cd);
    // Fetches one record's producer, series, CD title and track names into the fields and
    // records its id. False only when there is no connection (nothing changes then).
    bool LoadTracks(int dbId);
    // The record the server links to the disc, if any.
    bool FindDbIdForDisc(const QString& discId, int& dbId);
    TResult LinkDisc(int dbId, const QString& discId);
    TResult AddDisc(const QString& producer, const QString& series, const QString& cd,
                    const QString& discId, const QStringList& trackNames);
    // The requests of the two reports, to be sent elsewhere (in the background); none without
    // a server.
    std::optional<THttpRequest> LinkDiscRequest(int dbId, const QString& discId) const;
    std::optional<THttpRequest> AddDiscRequest(const QString& producer, const QString& series,
                                               const QString& cd, const QString& discId,
                                               const QStringList& trackNames) const;
    // Forgets the chosen CD (all but the producer).
    void ResetSelection();

    // The chosen CD.
    QString CD;
    QString Series;
    QString Producer;
    int DbId = -1;
    QStringList TrackNames;
    bool RevisionChecked = false;

    QByteArray Url(const char* endpoint) const;
    QByteArray SearchUrl(const QString& producer, const QString& series, const QString& cd) const;

private:
    // The text of a database document, and its records when they were read already.
    struct TDocument {
        QByteArray Text;
        std::optional<TSfxDbDocument::TDatabase> Parsed;
    };

    bool Connected();
    TResult Fetch(const QByteArray& url, QByteArray& body);
    TResult RefreshCache(TDocument& fresh);
    TResult FetchDocument(const QString& producer, const QString& series, const QString& cd,
                          TDocument& document);
    void ReadDocument(const TDocument& document, TSearch& search);
    void TakeSingle(const TSfxDbRecord& record, TSearch& search);

    IHttpClient& http_;
    IConnectionCheck& connection_;
    std::function<QString()> host_;
    QString programFolder_;
    int& cddbVersion_;
};
