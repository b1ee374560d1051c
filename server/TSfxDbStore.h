#pragma once

#include "TSfxCd.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

// The database in an SQLite file: the CDs, the disc ids linked to them and the revision, which
// rises with every change so that clients know when to fetch their copy anew. Safe to use
// from several threads. Failures of SQLite throw std::runtime_error with its message.
class TSfxDbStore {
public:
    // Opens or creates the database file (":memory:" for one that lives in memory only).
    explicit TSfxDbStore(const std::string& fileName);
    ~TSfxDbStore();
    TSfxDbStore(const TSfxDbStore&) = delete;
    TSfxDbStore& operator=(const TSfxDbStore&) = delete;

    long long Revision();
    // The CDs whose producer, series and title contain the given texts (letter case ignored,
    // empty texts match all), in the order producer, series, title. Without tracks and links.
    std::vector<TSfxCd> Find(const std::string& producer, const std::string& series,
                             const std::string& title);
    // One CD with its tracks and links.
    std::optional<TSfxCd> Get(long long id);
    std::optional<long long> IdForDisc(const std::string& discId);
    // Links `discId` to the CD `id` (a disc belongs to one CD); false when there is no such CD.
    bool Link(const std::string& discId, long long id);
    // Stores a new CD (an equal one already stored is reused) and links its disc ids; returns
    // its id.
    long long Add(const TSfxCd& cd);
    // Stores every CD of an import, keeping their ids where given (replacing the CD of that
    // id), in one transaction and one revision.
    void Import(const std::vector<TSfxCd>& cds);
    // Every CD with its tracks and links, in id order.
    std::vector<TSfxCd> All();

private:
    void Execute(const char* sql);
    void RaiseRevision();
    long long Insert(const TSfxCd& cd);
    void LinkAll(const TSfxCd& cd, long long id);
    std::optional<long long> FindEqual(const TSfxCd& cd);
    void FillDetails(TSfxCd& cd);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
};
