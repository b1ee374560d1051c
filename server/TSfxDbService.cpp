#include "TSfxDbService.h"

#include "SfxDbForm.h"
#include "SfxDbXml.h"
#include "TSfxDbStore.h"

#include <httplib.h>

namespace {
const char* const xmlType = "text/xml; charset=utf-8";
const char* const textType = "text/plain; charset=utf-8";

std::string Field(const std::map<std::string, std::string>& fields, const char* name) {
    const auto found = fields.find(name);
    return found == fields.end() ? std::string() : found->second;
}

bool ParseId(const std::string& text, long long& id) {
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    id = std::stoll(text);
    return true;
}

void Answer(httplib::Response& response, int status, const std::string& text) {
    response.status = status;
    response.set_content(text, textType);
}

// The values of a GET query, one level of percent codes, "+" kept.
std::map<std::string, std::string> QueryFields(const httplib::Request& request) {
    return DecodeFields(QueryOf(request.target), 1);
}

TSfxCd CdFromForm(const std::map<std::string, std::string>& form) {
    TSfxCd cd;
    cd.Producer = CleanText(Field(form, "Producer"));
    cd.Series = CleanText(Field(form, "Series"));
    cd.Title = CleanText(Field(form, "CD"));
    cd.Language = CleanText(Field(form, "Lang"));
    if (cd.Language.empty())
        cd.Language = "English";
    for (const std::string& line : SplitLines(Field(form, "Tracks")))
        cd.TrackNames.push_back(CleanText(line));
    const std::string discId = CleanText(Field(form, "CDid")).substr(0, 8);
    if (!discId.empty())
        cd.DiscIds.push_back(discId);
    return cd;
}
} // namespace

TSfxDbService::TSfxDbService(TSfxDbStore& store, std::function<void(const std::string&)> log)
    : store_(store), log_(std::move(log)) {}

std::string TSfxDbService::WholeDatabase() {
    std::lock_guard lock(wholeMutex_);
    const long long revision = store_.Revision(); // read first: the text is at least this new
    if (revision != wholeRevision_) {
        wholeXml_ = DatabaseXml(store_.Find("", "", ""));
        wholeRevision_ = revision;
    }
    return wholeXml_;
}

void TSfxDbService::Install(httplib::Server& server) {
    const std::string base = BasePath;
    server.set_payload_max_length(MaxRequestBody);
    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
        if (log_)
            log_(request.method + " " + request.target);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr error) {
            std::string reason = "unknown error";
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                reason = e.what();
            } catch (...) {
            }
            Answer(response, 500, "Database error: " + reason);
        });
    server.Get(base + "qVersion\\.asp", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(RevisionXml(store_.Revision()), xmlType);
    });
    server.Get(base + "qDB\\.asp", [this](const httplib::Request& request, httplib::Response& response) {
        const auto query = QueryFields(request);
        const std::string producer = Field(query, "Producer");
        const std::string series = Field(query, "Series");
        const std::string title = Field(query, "CD");
        response.set_content(producer.empty() && series.empty() && title.empty()
                                 ? WholeDatabase()
                                 : DatabaseXml(store_.Find(producer, series, title)),
                             xmlType);
    });
    server.Get(base + "DBidFromCDid\\.asp", [this](const httplib::Request& request,
                                                   httplib::Response& response) {
        const std::optional<long long> id = store_.IdForDisc(Field(QueryFields(request), "CDID"));
        Answer(response, 200, id ? std::to_string(*id) : "No Results");
    });
    server.Get(base + "TracksFromDbid\\.asp", [this](const httplib::Request& request,
                                                     httplib::Response& response) {
        long long id = 0;
        std::optional<TSfxCd> cd;
        if (ParseId(Field(QueryFields(request), "ID"), id))
            cd = store_.Get(id);
        if (!cd)
            return Answer(response, 404, "No Results");
        response.set_content(TracksXml(*cd), xmlType);
    });
    server.Get(base + "UpdateCDDBid\\.asp", [this](const httplib::Request& request,
                                                   httplib::Response& response) {
        const auto query = QueryFields(request);
        const std::string discId = CleanText(Field(query, "CDDBid")).substr(0, 8);
        long long id = 0;
        if (discId.empty() || !ParseId(Field(query, "ID"), id))
            return Answer(response, 400, "A disc id and a database id are needed");
        if (!store_.Link(discId, id))
            return Answer(response, 404, "No Results");
        Answer(response, 200, "OK");
    });
    // The form is read here, not by the library, which would refuse a form of more than a few
    // kilobytes (a CD with many long track names).
    server.Post(base + "softDoAddCD\\.asp", [this](const httplib::Request&,
                                                   httplib::Response& response,
                                                   const httplib::ContentReader& reader) {
        std::string body;
        const bool complete = reader([&body](const char* data, size_t length) {
            body.append(data, length);
            return body.size() <= MaxRequestBody;
        });
        if (!complete)
            return Answer(response, 413, "The form is too large");
        const TSfxCd cd = CdFromForm(DecodeFields(body, 2));
        if (cd.Title.empty())
            return Answer(response, 400, "A CD title is needed");
        Answer(response, 200, std::to_string(store_.Add(cd)));
    });
}
