#include "naming/FixDuplicates.h"

#include <QHash>
#include <QSet>

#include <vector>

namespace {
// How a line got its number, so a colliding line can be numbered on from there.
struct TNumbering {
    QString base;   // the text before the number
    int number = 0; // 0: the line was never numbered
};

QString Numbered(const QString& base, int number) {
    return base + u' ' + QString::number(number);
}

// Lines not yet looked at, grouped by their current text: each group is a chain of line
// indices in ascending order, kept in `next` (-1 ends a chain), its first index in `first`.
struct TWaitingLines {
    QHash<QString, int> first;
    std::vector<int> next;

    // Adds line `index` to the chain of `text`, keeping the chain in ascending order.
    void Insert(const QString& text, int index) {
        auto head = first.find(text);
        if (head == first.end()) {
            first.insert(text, index);
            next[size_t(index)] = -1;
            return;
        }
        if (index < *head) {
            next[size_t(index)] = *head;
            *head = index;
            return;
        }
        int previous = *head;
        while (next[size_t(previous)] >= 0 && next[size_t(previous)] < index)
            previous = next[size_t(previous)];
        next[size_t(index)] = next[size_t(previous)];
        next[size_t(previous)] = index;
    }
};

// The classic rule: each line, in order, numbers every later line equal to it. Only the
// group of equal lines is visited, so the whole runs in about linear time. Returns an empty
// list when no two lines were equal (nothing was numbered).
std::vector<TNumbering> NumberEqualLines(QStringList& lines) {
    const int count = int(lines.size());
    TWaitingLines waiting;
    waiting.first.reserve(count);
    waiting.next.assign(size_t(count), -1);
    bool anyEqual = false;
    for (int i = count - 1; i >= 0; --i) {
        auto head = waiting.first.find(lines[i]);
        anyEqual |= head != waiting.first.end();
        waiting.Insert(lines[i], i);
    }
    if (!anyEqual)
        return {};

    std::vector<TNumbering> numbering(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Every line before i has been looked at, so i heads the chain of its current text.
        const QString text = lines[i];
        int j = waiting.next[size_t(i)];
        waiting.first.remove(text);
        if (j < 0)
            continue;
        int number = 1;
        while (j >= 0) {
            const int following = waiting.next[size_t(j)];
            lines[j] = Numbered(text, ++number);
            numbering[size_t(j)] = {text, number};
            waiting.Insert(lines[j], j);
            j = following;
        }
        lines[i] = Numbered(text, 1);
        numbering[size_t(i)] = {text, 1};
    }
    return numbering;
}

// Gives every line that repeats an earlier one the next free number, counting on from its own.
void NumberOnCollisions(QStringList& lines, const std::vector<TNumbering>& numbering) {
    if (numbering.empty())
        return;
    QHash<QString, int> uses;
    uses.reserve(lines.size());
    bool collides = false;
    for (const QString& line : lines)
        collides |= ++uses[line] > 1;
    if (!collides)
        return;

    QSet<QString> taken;
    for (int i = 0; i < lines.size(); ++i) {
        if (!taken.contains(lines[i])) {
            taken.insert(lines[i]);
            continue;
        }
        const TNumbering& from = numbering[size_t(i)];
        const QString base = from.number > 0 ? from.base : lines[i];
        int number = from.number > 0 ? from.number : 1;
        QString candidate;
        do
            candidate = Numbered(base, ++number);
        while (taken.contains(candidate) || uses.contains(candidate));
        lines[i] = candidate;
        taken.insert(candidate);
    }
}
} // namespace

void FixDuplicates(QStringList& lines) {
    const std::vector<TNumbering> numbering = NumberEqualLines(lines);
    NumberOnCollisions(lines, numbering);
}
