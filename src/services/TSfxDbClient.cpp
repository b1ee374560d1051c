#include "services/TSfxDbClient.h"

#include "services/IConnectionCheck.h"
#include "services/IHttpClient.h"
#include "services/TSfxDbDocument.h"
#include "services/TextLines.h"
#include "services/UrlEncoding.h"

#include <QFile>
#include <QSaveFile>

namespace {
QByteArray DiscKey(const QString& discId) { return discId.left(8).toUtf8(); }

TResult WriteCache(const QString& path, const QByteArray& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() ||
        !file.commit())
        return TResult::Error(QString("Cannot write %1: %2").arg(path, file.errorString()));
    return TResult::Ok();
}
} // namespace

TSfxDbClient::TSfxDbClient(IHttpClient& http, IConnectionCheck& connection,
                           std::function<QString()> host, QString programFolder, int& cddbVersion)
    : http_(http), connection_(connection), host_(std::move(host)),
      programFolder_(std::move(programFolder)), cddbVersion_(cddbVersion) {}

QString TSfxDbClient::CachePath() const { return programFolder_ + "/" + CacheFileName; }

QByteArray TSfxDbClient::Url(const char* endpoint) const {
    return "http://" + host_().trimmed().toUtf8() + BasePath + endpoint;
}

QByteArray TSfxDbClient::SearchUrl(const QString& producer, const QString& series,
                                   const QString& cd) const {
    return Url("qDB.asp") + "?Producer=" + UrlQueryValue(producer.toUtf8()) +
           "&CD=" + UrlQueryValue(cd.toUtf8()) + "&Series=" + UrlQueryValue(series.toUtf8());
}

bool TSfxDbClient::Connected() { return HasServer() && connection_.IsInternetConnected(host_()); }

TResult TSfxDbClient::Fetch(const QByteArray& url, QByteArray& body) {
    THttpReply reply = http_.Send(ServiceRequest(url));
    body = reply.Body;
    return reply.Outcome;
}

TSfxDbClient::TSearch TSfxDbClient::Search(const QString& producer, const QString& series,
                                           const QString& cd) {
    TSearch search;
    if (!HasServer()) {
        search.Error = NoServerMessage;
        return search;
    }
    if (!Connected())
        return search;
    TDocument document;
    const TResult fetched = FetchDocument(producer, series, cd, document);
    if (!fetched)
        search.Error = fetched.ErrorText();
    ReadDocument(document, search);
    return search;
}

TResult TSfxDbClient::RefreshCache(TDocument& fresh) {
    RevisionChecked = true;
    QByteArray answer;
    if (TResult result = Fetch(Url("qVersion.asp"), answer); !result)
        return result;
    int revision = 0;
    if (TResult result = TSfxDbDocument::ParseRevision(answer, revision); !result)
        return result;
    if (cddbVersion_ >= revision)
        return TResult::Ok();
    QByteArray database;
    if (TResult result = Fetch(Url("qDB.asp"), database); !result)
        return result;
    if (CountTextLines(database, 1) == 0)
        return TResult::Ok();
    // A broken download must not take the place of a good copy.
    TSfxDbDocument::TDatabase parsed = TSfxDbDocument::ParseDatabase(database);
    if (!parsed.Outcome)
        return parsed.Outcome;
    if (TResult result = WriteCache(CachePath(), database); !result)
        return result;
    cddbVersion_ = revision;
    fresh.Text = std::move(database);
    fresh.Parsed = std::move(parsed);
    return TResult::Ok();
}

TResult TSfxDbClient::FetchDocument(const QString& producer, const QString& series,
                                    const QString& cd, TDocument& document) {
    TDocument fresh;
    if (!QFile::exists(CachePath()) || !RevisionChecked)
        if (TResult result = RefreshCache(fresh); !result)
            return result;
    const QByteArray searchUrl = SearchUrl(producer, series, cd);
    if (!producer.isEmpty() || !series.isEmpty() || !cd.isEmpty()) {
        if (TResult result = Fetch(searchUrl, document.Text); !result)
            return result;
    } else if (fresh.Parsed) {
        document = std::move(fresh); // the cache was written from it a moment ago
    } else {
        QFile cache(CachePath());
        document.Text = cache.open(QIODevice::ReadOnly) ? cache.readAll() : QByteArray();
    }
    // Too little for a document: ask the server, whatever was asked before.
    if (CountTextLines(document.Text, 2) < 2) {
        document.Parsed.reset();
        return Fetch(searchUrl, document.Text);
    }
    return TResult::Ok();
}

void TSfxDbClient::ReadDocument(const TDocument& document, TSearch& search) {
    const TSfxDbDocument::TDatabase database =
        document.Parsed ? *document.Parsed : TSfxDbDocument::ParseDatabase(document.Text);
    if (!database.Outcome) {
        search.Error = database.Outcome.ErrorText();
        return;
    }
    if (database.Records.size() == 1) {
        TakeSingle(database.Records.first(), search);
    } else if (database.Records.size() >= 2) {
        search.Tree = TSfxDbTree::Build(database.Records);
        search.Found = true;
        if (!search.Tree.Errors.isEmpty())
            search.Error = search.Tree.Errors.join('\n');
    }
}

void TSfxDbClient::TakeSingle(const TSfxDbRecord& record, TSearch& search) {
    int id = 0;
    if (!record.HasCD || !TSfxDbDocument::ParseInteger(record.IdAfterCD, id)) {
        search.Error = "The database's only match has no CD title and database id";
        return;
    }
    if (record.HasSeries)
        Series = record.Series;
    CD = record.CD;
    LoadTracks(id);
    search.Found = true;
    search.Single = true;
}

bool TSfxDbClient::LoadTracks(int dbId) {
    TrackNames.clear();
    if (!Connected())
        return false;
    DbId = dbId;
    QByteArray answer;
    if (!Fetch(Url("TracksFromDbid.asp") + "?ID=" + QByteArray::number(dbId), answer))
        return true; // the choice stands; its tracks simply did not come
    const TSfxDbTracks tracks = TSfxDbDocument::ParseTracks(answer);
    if (!tracks.HasRoot)
        return true;
    if (tracks.HasProducer)
        Producer = tracks.Producer;
    if (tracks.HasSeries)
        Series = tracks.Series;
    if (tracks.HasCD)
        CD = tracks.CD;
    TrackNames = tracks.TrackNames;
    return true;
}

bool TSfxDbClient::FindDbIdForDisc(const QString& discId, int& dbId) {
    dbId = 0;
    if (!Connected())
        return false;
    QByteArray answer;
    if (!Fetch(Url("DBidFromCDid.asp") + "?CDID=" + DiscKey(discId), answer))
        return false;
    const QString text = QString::fromUtf8(answer).trimmed();
    if (text.isEmpty() || text == "No Results")
        return false;
    return TSfxDbDocument::ParseInteger(text, dbId);
}

TResult TSfxDbClient::LinkDisc(int dbId, const QString& discId) {
    const std::optional<THttpRequest> request = LinkDiscRequest(dbId, discId);
    if (!request)
        return TResult::Error(NoServerMessage);
    return http_.Send(*request).Outcome;
}

TResult TSfxDbClient::AddDisc(const QString& producer, const QString& series, const QString& cd,
                              const QString& discId, const QStringList& trackNames) {
    const std::optional<THttpRequest> request =
        AddDiscRequest(producer, series, cd, discId, trackNames);
    if (!request)
        return TResult::Error(NoServerMessage);
    return http_.Send(*request).Outcome;
}

std::optional<THttpRequest> TSfxDbClient::LinkDiscRequest(int dbId, const QString& discId) const {
    if (!HasServer())
        return std::nullopt;
    return ServiceRequest(Url("UpdateCDDBid.asp") + "?CDDBid=" + UrlQueryValue(DiscKey(discId)) +
                          "&ID=" + QByteArray::number(dbId));
}

std::optional<THttpRequest> TSfxDbClient::AddDiscRequest(const QString& producer,
                                                         const QString& series, const QString& cd,
                                                         const QString& discId,
                                                         const QStringList& trackNames) const {
    if (!HasServer())
        return std::nullopt;
    QByteArray tracks;
    for (const QString& name : trackNames)
        tracks += name.toUtf8() + "\r\n";
    THttpRequest request = ServiceRequest(Url("softDoAddCD.asp"));
    request.Method = "POST";
    request.Headers.append(qMakePair(QByteArray("Content-Type"),
                                     QByteArray("application/x-www-form-urlencoded")));
    request.Body = FormBody({{"Series", series.toUtf8()},
                             {"CD", cd.toUtf8()},
                             {"Producer", producer.toUtf8()},
                             {"CDid", DiscKey(discId)},
                             {"Lang", "English"},
                             {"Tracks", tracks}});
    return request;
}

void TSfxDbClient::ResetSelection() {
    CD.clear();
    Series.clear();
    DbId = -1;
    TrackNames.clear();
}
