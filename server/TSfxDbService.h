#pragma once

#include <functional>
#include <mutex>
#include <string>

namespace httplib {
class Server;
}
class TSfxDbStore;

// The web service of the SFX CD database under "/Trackmoth/cddb/v2/": the revision, the whole
// database and filtered searches, the record of a disc id, the tracks of a record, links of
// disc ids to records and new CDs posted by clients.
class TSfxDbService {
public:
    static constexpr const char* BasePath = "/Trackmoth/cddb/v2/";
    static constexpr size_t MaxRequestBody = 4 * 1024 * 1024;

    // `log` gets one line per request ("GET /target"), before it is answered; may be empty.
    TSfxDbService(TSfxDbStore& store, std::function<void(const std::string&)> log);

    // Registers every endpoint on `server`.
    void Install(httplib::Server& server);

private:
    // The whole database as XML; built once per revision, as every client fetches it anew
    // when the revision rises.
    std::string WholeDatabase();

    TSfxDbStore& store_;
    std::function<void(const std::string&)> log_;
    std::mutex wholeMutex_;
    long long wholeRevision_ = -1;
    std::string wholeXml_;
};
