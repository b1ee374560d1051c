#include "services/TFreeDbAnswers.h"

#include "services/TCommaText.h"
#include "services/TextLines.h"

#include <map>

namespace {
bool IsBlank(char c) { return c > 0 && c <= ' '; }

// The next blank-separated word of `line` from `at`, which moves past it and the blanks after.
QByteArray NextWord(const QByteArray& line, qsizetype& at) {
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    const qsizetype start = at;
    while (at < line.size() && !IsBlank(line[at]))
        ++at;
    const QByteArray word = line.mid(start, at - start);
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return word;
}

// The track number of a "TTITLEn" key, or -1.
int TitleNumber(const QByteArray& key) {
    if (!key.startsWith("TTITLE") || key.size() == 6 || key.size() > 10)
        return -1;
    bool ok = false;
    const int number = key.mid(6).toInt(&ok);
    return ok && number >= 0 ? number : -1;
}
} // namespace

bool TFreeDbAnswers::IsCategory(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 32)
        return false;
    for (char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '-'))
            return false;
    return true;
}

bool TFreeDbAnswers::IsDiscId(const QByteArray& text) {
    if (text.size() != 8)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

TFreeDbAnswers::TQuery TFreeDbAnswers::ParseQuery(const QByteArray& body) {
    TQuery query;
    const QList<QByteArray> tokens = TCommaText::Split(body);
    const QByteArray status = tokens.value(0);
    if (status == "202") {
        query.Result = TQuery::NoResults;
    } else if (status.startsWith('4')) {
        query.Result = TQuery::Refused;
    } else if (status == "210" || status == "211") {
        query.Matches = ParseMatches(body);
        query.Result = query.Matches.isEmpty() ? TQuery::NoResponse : TQuery::Several;
    } else if (tokens.size() >= 3 && IsCategory(tokens[1]) && IsDiscId(tokens[2])) {
        query.Result = TQuery::Single;
        query.Category = tokens[1];
        query.DiscId = tokens[2];
    }
    return query;
}

QList<TFreeDbMatch> TFreeDbAnswers::ParseMatches(const QByteArray& body) {
    QList<TFreeDbMatch> matches;
    const QList<QByteArray> lines = SplitTextLines(body);
    for (qsizetype i = 1; i < lines.size() && matches.size() < MaxMatches; ++i) {
        const QByteArray& line = lines[i];
        if (line.trimmed() == ".")
            break;
        qsizetype at = 0;
        TFreeDbMatch match;
        match.Line = line;
        match.Category = NextWord(line, at);
        match.DiscId = NextWord(line, at);
        if (!IsCategory(match.Category) || !IsDiscId(match.DiscId))
            continue;
        match.Title = QString::fromUtf8(line.mid(at)).trimmed();
        matches.append(match);
    }
    return matches;
}

TFreeDbAnswers::TRead TFreeDbAnswers::ParseRead(const QByteArray& body) {
    TRead read;
    if (body.startsWith('4')) {
        read.Result = TRead::NotFound;
    } else if (body.startsWith("211")) {
        read.Result = TRead::SeveralFound;
    } else if (body.startsWith("210")) {
        QList<QByteArray> lines = SplitTextLines(body);
        lines.removeFirst();
        read.Result = TRead::Found;
        read.Entry = ParseEntry(lines);
    }
    return read;
}

QString TFreeDbAnswers::Unescape(const QByteArray& value) {
    QByteArray text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += next == 'n' || next == 't' ? ' ' : next;
    }
    return QString::fromUtf8(text);
}

TFreeDbEntry TFreeDbAnswers::ParseEntry(const QList<QByteArray>& lines) {
    // A long value goes over several lines of the same key; together they are the value.
    std::map<QByteArray, QByteArray> values;
    std::map<int, QByteArray> titles;
    for (const QByteArray& line : lines) {
        if (line.trimmed() == ".")
            break;
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('#') || equals <= 0)
            continue;
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        const int number = TitleNumber(key);
        if (number >= 0)
            titles[number] += value;
        else if (key == "DTITLE" || key == "DYEAR" || key == "DGENRE")
            values[key] += value;
    }
    TFreeDbEntry entry;
    const QString discTitle = Unescape(values["DTITLE"]);
    const qsizetype separator = discTitle.indexOf(" / ");
    // A title without " / " names the artist and the album alike.
    entry.Artist = separator < 0 ? discTitle : discTitle.left(separator);
    entry.Album = separator < 0 ? discTitle : discTitle.mid(separator + 3);
    entry.Year = Unescape(values["DYEAR"]);
    entry.Genre = Unescape(values["DGENRE"]);
    for (int n = 0;; ++n) {
        const auto found = titles.find(n);
        if (found == titles.end())
            break;
        entry.Titles.append(Unescape(found->second));
    }
    return entry;
}
