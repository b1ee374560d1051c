#include "naming/FixDuplicates.h"

#include "naming/TextCuts.h"

#include <QHash>
#include <QSet>

#include <vector>

namespace {
// How a line got its number, so a colliding line can be numbered on from there.
struct TNumbering {
    QString base;   // the text before the number
    int number = 0; // 0: the line was never numbered
};

// A line as a hash key that compares without regard to letter case, the way the common
// case-insensitive file systems compare names. The key carries the hash of its folded text, so
// no folded copy of a line is allocated and most unequal keys differ at the first comparison.
struct TLineKey {
    QString text;
    size_t folded; // hash of the text with letter case folded

    friend bool operator==(const TLineKey& a, const TLineKey& b) {
        return a.folded == b.folded && a.text.size() == b.text.size() &&
               (a.text == b.text || a.text.compare(b.text, Qt::CaseInsensitive) == 0);
    }
    friend size_t qHash(const TLineKey& key, size_t seed) { return key.folded ^ seed; }
};

// FNV-1a over the folded UTF-16 units, then a final mix so that names differing only in their
// last digits do not land in neighbouring buckets.
size_t FoldedHash(const QString& text) {
    quint64 hash = 0xcbf29ce484222325ull;
    auto add = [&hash](char32_t unit) {
        hash ^= unit;
        hash *= 0x100000001b3ull;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            add(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            add(QChar::toCaseFolded(QChar::surrogateToUcs4(c, text.at(++i).unicode())));
        } else {
            add(QChar::toCaseFolded(char32_t(c)));
        }
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    hash *= 0xc4ceb9fe1a85ec53ull;
    hash ^= hash >> 33;
    return size_t(hash);
}

TLineKey Key(const QString& line) { return {line, FoldedHash(line)}; }

// `base` + " " + `number`, the base cut (and then freed of trailing spaces) so that the whole
// fits into `maxBytes`.
QString Numbered(const QString& base, int number, qsizetype maxBytes) {
    const QString digits = QString::number(number);
    // No UTF-16 unit takes more than three bytes: most names fit without counting.
    if (base.size() * 3 + 1 + digits.size() <= maxBytes)
        return base + u' ' + digits;
    const QString suffix = u' ' + digits;
    QString cut = LeadingUtf8Bytes(base, maxBytes - suffix.size());
    if (cut.size() < base.size()) {
        while (cut.endsWith(u' '))
            cut.chop(1);
    }
    return cut + suffix;
}

// Lines not yet looked at, grouped by their current key: each group is a chain of line
// indices in ascending order, kept in `next` (-1 ends a chain), its first index in `first`.
struct TWaitingLines {
    QHash<TLineKey, int> first;
    std::vector<int> next;

    // Adds line `index` to the chain of `key`, keeping the chain in ascending order.
    // True when the chain held other lines already.
    bool Insert(const TLineKey& key, int index) {
        auto head = first.find(key);
        if (head == first.end()) {
            first.insert(key, index);
            next[size_t(index)] = -1;
            return false;
        }
        if (index < *head) {
            next[size_t(index)] = *head;
            *head = index;
            return true;
        }
        int previous = *head;
        while (next[size_t(previous)] >= 0 && next[size_t(previous)] < index)
            previous = next[size_t(previous)];
        next[size_t(index)] = next[size_t(previous)];
        next[size_t(previous)] = index;
        return true;
    }
};

// The classic rule: each line, in order, numbers every later line equal to it. Only the
// group of equal lines is visited, so the whole runs in about linear time. Returns an empty
// list when no two lines were equal (nothing was numbered).
// `keys` holds the key of every line and is kept up to date with it.
std::vector<TNumbering> NumberEqualLines(QStringList& lines, std::vector<TLineKey>& keys,
                                         qsizetype maxBytes) {
    const int count = int(lines.size());
    TWaitingLines waiting;
    waiting.first.reserve(count);
    waiting.next.assign(size_t(count), -1);
    bool anyEqual = false;
    for (int i = count - 1; i >= 0; --i) {
        anyEqual |= waiting.Insert(keys[size_t(i)], i);
    }
    if (!anyEqual)
        return {};

    std::vector<TNumbering> numbering(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Every line before i has been looked at, so i heads the chain of its current key.
        int j = waiting.next[size_t(i)];
        waiting.first.remove(keys[size_t(i)]);
        if (j < 0)
            continue;
        int number = 1;
        while (j >= 0) {
            const int following = waiting.next[size_t(j)];
            numbering[size_t(j)] = {lines[j], ++number};
            lines[j] = Numbered(lines[j], number, maxBytes);
            keys[size_t(j)] = Key(lines[j]);
            waiting.Insert(keys[size_t(j)], j);
            j = following;
        }
        numbering[size_t(i)] = {lines[i], 1};
        lines[i] = Numbered(lines[i], 1, maxBytes);
        keys[size_t(i)] = Key(lines[i]);
    }
    return numbering;
}

// For every base, the numbers found taken so far, each pointing on to a number to try next;
// a search for a free number follows the pointers, so no number is tried twice.
class TTakenNumbers {
public:
    // The lowest number from `number` on that is not known to be taken.
    int FirstUntried(const TLineKey& baseKey, int number) {
        QHash<int, int>& next = next_[baseKey];
        int untried = number;
        for (auto it = next.constFind(untried); it != next.constEnd(); it = next.constFind(untried))
            untried = *it;
        // Shorten the path for the next search.
        while (number != untried) {
            const int following = next[number];
            next[number] = untried;
            number = following;
        }
        return untried;
    }
    void MarkTaken(const TLineKey& baseKey, int number) { next_[baseKey][number] = number + 1; }

private:
    QHash<TLineKey, QHash<int, int>> next_;
};

// Gives every line that repeats an earlier one the next free number, counting on from its own.
void NumberOnCollisions(QStringList& lines, const std::vector<TLineKey>& keys,
                        const std::vector<TNumbering>& numbering, qsizetype maxBytes) {
    if (numbering.empty())
        return;
    QHash<TLineKey, int> uses;
    uses.reserve(lines.size());
    bool collides = false;
    for (const TLineKey& key : keys)
        collides |= ++uses[key] > 1;
    if (!collides)
        return;

    QSet<TLineKey> taken;
    taken.reserve(lines.size());
    TTakenNumbers numbers;
    for (int i = 0; i < lines.size(); ++i) {
        const TLineKey& key = keys[size_t(i)];
        if (!taken.contains(key)) {
            taken.insert(key);
            continue;
        }
        const TNumbering& from = numbering[size_t(i)];
        const QString base = from.number > 0 ? from.base : lines[i];
        const TLineKey baseKey = Key(base);
        int number = (from.number > 0 ? from.number : 1) + 1;
        QString candidate;
        TLineKey candidateKey;
        for (;; ++number) {
            number = numbers.FirstUntried(baseKey, number);
            candidate = Numbered(base, number, maxBytes);
            candidateKey = Key(candidate);
            if (!taken.contains(candidateKey) && !uses.contains(candidateKey))
                break;
            numbers.MarkTaken(baseKey, number);
        }
        numbers.MarkTaken(baseKey, number);
        lines[i] = candidate;
        taken.insert(candidateKey);
    }
}
} // namespace

void FixDuplicates(QStringList& lines, qsizetype maxUtf8Bytes) {
    std::vector<TLineKey> keys;
    keys.reserve(size_t(lines.size()));
    for (const QString& line : lines)
        keys.push_back(Key(line));
    const std::vector<TNumbering> numbering = NumberEqualLines(lines, keys, maxUtf8Bytes);
    NumberOnCollisions(lines, keys, numbering, maxUtf8Bytes);
}
