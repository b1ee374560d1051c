#include "TSfxDbStore.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {
// One prepared statement, finalised with its scope.
class TStatement {
public:
    TStatement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            Fail();
    }
    ~TStatement() { sqlite3_finalize(statement_); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    TStatement& Bind(int index, const std::string& text) {
        if (sqlite3_bind_text(statement_, index, text.data(), int(text.size()), SQLITE_TRANSIENT))
            Fail();
        return *this;
    }
    TStatement& Bind(int index, long long number) {
        if (sqlite3_bind_int64(statement_, index, number))
            Fail();
        return *this;
    }
    // True while there is a row.
    bool Step() {
        const int result = sqlite3_step(statement_);
        if (result != SQLITE_ROW && result != SQLITE_DONE)
            Fail();
        return result == SQLITE_ROW;
    }
    std::string Text(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return text ? std::string(text, size_t(sqlite3_column_bytes(statement_, column)))
                    : std::string();
    }
    long long Number(int column) const { return sqlite3_column_int64(statement_, column); }

private:
    [[noreturn]] void Fail() const { throw std::runtime_error(sqlite3_errmsg(db_)); }
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\n" : "") + lines[i];
    return joined;
}

std::vector<std::string> SplitStoredLines(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// A LIKE pattern that finds `text` anywhere, its own "%" and "_" taken literally.
std::string ContainsPattern(const std::string& text) {
    std::string pattern = "%";
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

TSfxCd ReadCd(const TStatement& row) {
    TSfxCd cd;
    cd.Id = row.Number(0);
    cd.Producer = row.Text(1);
    cd.Series = row.Text(2);
    cd.Title = row.Text(3);
    cd.Language = row.Text(4);
    return cd;
}

const char* const cdColumns = "SELECT id, producer, series, title, language FROM cds ";
} // namespace

TSfxDbStore::TSfxDbStore(const std::string& fileName) {
    if (sqlite3_open(fileName.c_str(), &db_) != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("Cannot open " + fileName + ": " + reason);
    }
    sqlite3_busy_timeout(db_, 5000);
    Execute("PRAGMA foreign_keys = ON");
    Execute("CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value INTEGER NOT NULL)");
    Execute("INSERT OR IGNORE INTO meta (key, value) VALUES ('revision', 0)");
    Execute("CREATE TABLE IF NOT EXISTS cds (id INTEGER PRIMARY KEY, producer TEXT NOT NULL,"
            " series TEXT NOT NULL, title TEXT NOT NULL, language TEXT NOT NULL,"
            " tracks TEXT NOT NULL)");
    Execute("CREATE TABLE IF NOT EXISTS disc_links (disc_id TEXT PRIMARY KEY,"
            " cd_id INTEGER NOT NULL REFERENCES cds(id) ON DELETE CASCADE)");
}

TSfxDbStore::~TSfxDbStore() { sqlite3_close(db_); }

void TSfxDbStore::Execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(reason);
    }
}

void TSfxDbStore::RaiseRevision() {
    Execute("UPDATE meta SET value = value + 1 WHERE key = 'revision'");
}

long long TSfxDbStore::Revision() {
    std::lock_guard lock(mutex_);
    TStatement statement(db_, "SELECT value FROM meta WHERE key = 'revision'");
    return statement.Step() ? statement.Number(0) : 0;
}

std::vector<TSfxCd> TSfxDbStore::Find(const std::string& producer, const std::string& series,
                                      const std::string& title) {
    std::lock_guard lock(mutex_);
    TStatement statement(db_, (std::string(cdColumns) +
                               "WHERE producer LIKE ?1 ESCAPE '\\' AND series LIKE ?2 ESCAPE '\\'"
                               " AND title LIKE ?3 ESCAPE '\\' ORDER BY producer, series, title, id")
                                  .c_str());
    statement.Bind(1, ContainsPattern(producer)).Bind(2, ContainsPattern(series));
    statement.Bind(3, ContainsPattern(title));
    std::vector<TSfxCd> cds;
    while (statement.Step())
        cds.push_back(ReadCd(statement));
    return cds;
}

void TSfxDbStore::FillDetails(TSfxCd& cd) {
    TStatement tracks(db_, "SELECT tracks FROM cds WHERE id = ?1");
    tracks.Bind(1, cd.Id);
    if (tracks.Step())
        cd.TrackNames = SplitStoredLines(tracks.Text(0));
    TStatement links(db_, "SELECT disc_id FROM disc_links WHERE cd_id = ?1 ORDER BY disc_id");
    links.Bind(1, cd.Id);
    while (links.Step())
        cd.DiscIds.push_back(links.Text(0));
}

std::optional<TSfxCd> TSfxDbStore::Get(long long id) {
    std::lock_guard lock(mutex_);
    TStatement statement(db_, (std::string(cdColumns) + "WHERE id = ?1").c_str());
    statement.Bind(1, id);
    if (!statement.Step())
        return std::nullopt;
    TSfxCd cd = ReadCd(statement);
    FillDetails(cd);
    return cd;
}

std::optional<long long> TSfxDbStore::IdForDisc(const std::string& discId) {
    std::lock_guard lock(mutex_);
    TStatement statement(db_, "SELECT cd_id FROM disc_links WHERE disc_id = ?1");
    statement.Bind(1, discId);
    if (!statement.Step())
        return std::nullopt;
    return statement.Number(0);
}

bool TSfxDbStore::Link(const std::string& discId, long long id) {
    std::lock_guard lock(mutex_);
    TStatement exists(db_, "SELECT 1 FROM cds WHERE id = ?1");
    exists.Bind(1, id);
    if (!exists.Step())
        return false;
    TStatement current(db_, "SELECT cd_id FROM disc_links WHERE disc_id = ?1");
    current.Bind(1, discId);
    if (current.Step() && current.Number(0) == id)
        return true; // nothing changes, so the revision stays
    Execute("BEGIN");
    try {
        TStatement link(db_, "INSERT OR REPLACE INTO disc_links (disc_id, cd_id) VALUES (?1, ?2)");
        link.Bind(1, discId).Bind(2, id).Step();
        RaiseRevision();
        Execute("COMMIT");
    } catch (...) {
        Execute("ROLLBACK");
        throw;
    }
    return true;
}

long long TSfxDbStore::Insert(const TSfxCd& cd) {
    // A CD of a given id takes the place of the stored one; its links stay.
    TStatement insert(db_, cd.Id > 0 ? "INSERT INTO cds (producer, series, title, language,"
                                       " tracks, id) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                                       " ON CONFLICT(id) DO UPDATE SET producer = excluded.producer,"
                                       " series = excluded.series, title = excluded.title,"
                                       " language = excluded.language, tracks = excluded.tracks"
                                     : "INSERT INTO cds (producer, series, title, language,"
                                       " tracks) VALUES (?1, ?2, ?3, ?4, ?5)");
    insert.Bind(1, cd.Producer).Bind(2, cd.Series).Bind(3, cd.Title).Bind(4, cd.Language);
    insert.Bind(5, JoinLines(cd.TrackNames));
    if (cd.Id > 0)
        insert.Bind(6, cd.Id);
    insert.Step();
    return cd.Id > 0 ? cd.Id : sqlite3_last_insert_rowid(db_);
}

void TSfxDbStore::LinkAll(const TSfxCd& cd, long long id) {
    for (const std::string& discId : cd.DiscIds) {
        if (discId.empty())
            continue;
        TStatement link(db_, "INSERT OR REPLACE INTO disc_links (disc_id, cd_id) VALUES (?1, ?2)");
        link.Bind(1, discId).Bind(2, id).Step();
    }
}

std::optional<long long> TSfxDbStore::FindEqual(const TSfxCd& cd) {
    TStatement equal(db_, "SELECT id FROM cds WHERE producer = ?1 AND series = ?2 AND title = ?3"
                          " AND language = ?4 AND tracks = ?5");
    equal.Bind(1, cd.Producer).Bind(2, cd.Series).Bind(3, cd.Title).Bind(4, cd.Language);
    equal.Bind(5, JoinLines(cd.TrackNames));
    if (!equal.Step())
        return std::nullopt;
    return equal.Number(0);
}

long long TSfxDbStore::Add(const TSfxCd& cd) {
    std::lock_guard lock(mutex_);
    Execute("BEGIN");
    try {
        TSfxCd added = cd;
        added.Id = 0;
        const std::optional<long long> equal = FindEqual(added);
        const long long id = equal ? *equal : Insert(added);
        LinkAll(added, id);
        RaiseRevision();
        Execute("COMMIT");
        return id;
    } catch (...) {
        Execute("ROLLBACK");
        throw;
    }
}

void TSfxDbStore::Import(const std::vector<TSfxCd>& cds) {
    std::lock_guard lock(mutex_);
    Execute("BEGIN");
    try {
        for (const TSfxCd& cd : cds)
            LinkAll(cd, Insert(cd));
        RaiseRevision();
        Execute("COMMIT");
    } catch (...) {
        Execute("ROLLBACK");
        throw;
    }
}

std::vector<TSfxCd> TSfxDbStore::All() {
    std::lock_guard lock(mutex_);
    std::vector<TSfxCd> cds;
    {
        TStatement statement(db_, (std::string(cdColumns) + "ORDER BY id").c_str());
        while (statement.Step())
            cds.push_back(ReadCd(statement));
    }
    for (TSfxCd& cd : cds)
        FillDetails(cd);
    return cds;
}
