#include "services/TFreeDbClient.h"

#include "services/IConnectionCheck.h"
#include "services/IHttpClient.h"
#include "services/TCommaText.h"
#include "services/TFreeDbAnswers.h"

namespace {
const char* const cgiPath = "/~cddb/cddb.cgi";
} // namespace

TFreeDbClient::TFreeDbClient(IHttpClient& http, IConnectionCheck& connection, QString host)
    : http_(http), connection_(connection), host_(std::move(host)) {}

QByteArray TFreeDbClient::HelloSuffix() {
    return "&hello=anonymous+localhost+\"Sonaphor+Sonaphor_CdRipper\"+1.0&proto=6";
}

QByteArray TFreeDbClient::QueryUrl(const QString& host, const QString& discId) {
    const QByteArray joined = TCommaText::Split(discId.toUtf8()).join('+');
    return "http://" + host.trimmed().toUtf8() + cgiPath + "?cmd=cddb+query+" + joined +
           HelloSuffix();
}

QByteArray TFreeDbClient::ReadUrl(const QString& host, const QByteArray& category,
                                  const QByteArray& discId) {
    return "http://" + host.trimmed().toUtf8() + cgiPath + "?cmd=cddb+read+" + category + "+" +
           discId + HelloSuffix();
}

QByteArray TFreeDbClient::Get(const QByteArray& url, TLookup& lookup) {
    THttpReply reply = http_.Send(ServiceRequest(url));
    lookup.Failure = reply.Outcome;
    return reply.Body;
}

TFreeDbClient::TLookup TFreeDbClient::QueryDisc(const QString& discId, const TPicker& pick) {
    TLookup lookup;
    if (discId.trimmed().isEmpty()) {
        lookup.Failure = TResult::Error("There is no disc to look up");
        return lookup;
    }
    if (!connection_.IsInternetConnected(host_)) {
        lookup.Failure = TResult::Error("No connection");
        return lookup;
    }
    const QByteArray body = Get(QueryUrl(host_, discId), lookup);
    if (!lookup.Failure)
        return lookup;
    const TFreeDbAnswers::TQuery query = TFreeDbAnswers::ParseQuery(body);
    switch (query.Result) {
    case TFreeDbAnswers::TQuery::NoResults:
        lookup.Message = NoResults;
        return lookup;
    case TFreeDbAnswers::TQuery::Refused:
        lookup.Failure = TResult::Error("freedb refused the query");
        return lookup;
    case TFreeDbAnswers::TQuery::Several:
        return PickDuplicate(query.Matches, pick);
    case TFreeDbAnswers::TQuery::NoResponse:
        lookup.Message = NoResponse;
        return lookup;
    case TFreeDbAnswers::TQuery::Single:
        break;
    }
    lookup = ReadDisc(query.Category, query.DiscId);
    lookup.DirectMatch = true;
    return lookup;
}

TFreeDbClient::TLookup TFreeDbClient::ReadDisc(const QByteArray& category,
                                               const QByteArray& discId) {
    TLookup lookup;
    if (!TFreeDbAnswers::IsCategory(category) || !TFreeDbAnswers::IsDiscId(discId)) {
        lookup.Failure = TResult::Error("freedb named no valid entry");
        return lookup;
    }
    const QByteArray body = Get(ReadUrl(host_, category, discId), lookup);
    if (!lookup.Failure)
        return lookup;
    TFreeDbAnswers::TRead read = TFreeDbAnswers::ParseRead(body);
    switch (read.Result) {
    case TFreeDbAnswers::TRead::NotFound:
        lookup.Message = NotFound;
        break;
    case TFreeDbAnswers::TRead::SeveralFound:
        lookup.Message = SeveralFound;
        break;
    case TFreeDbAnswers::TRead::NoEntry:
        lookup.Failure = TResult::Error("freedb sent no entry");
        break;
    case TFreeDbAnswers::TRead::Found:
        lookup.Read = true;
        lookup.Entry = std::move(read.Entry);
        break;
    }
    return lookup;
}

TFreeDbClient::TLookup TFreeDbClient::PickDuplicate(const QList<TFreeDbMatch>& matches,
                                                    const TPicker& pick) {
    const int chosen = pick ? pick(matches) : -1;
    if (chosen < 0 || chosen >= matches.size())
        return TLookup(); // closed without a choice: nothing is read
    return ReadDisc(matches[chosen].Category, matches[chosen].DiscId);
}
