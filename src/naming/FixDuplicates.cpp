#include "naming/FixDuplicates.h"

#include <QHash>
#include <QSet>

#include <set>
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

// The classic rule: each line, in order, numbers every later line equal to it. Lines that are
// still to be looked at are grouped by their current text, so each step only visits its group.
std::vector<TNumbering> NumberEqualLines(QStringList& lines) {
    std::vector<TNumbering> numbering(size_t(lines.size()));
    QHash<QString, std::set<int>> waiting; // current text -> lines not yet looked at
    waiting.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        waiting[lines[i]].insert(i);

    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lines[i];
        auto group = waiting.find(text);
        group->erase(i);
        if (group->empty()) {
            waiting.erase(group);
            continue;
        }
        const std::set<int> equalLines = std::move(*group);
        waiting.erase(group);
        int count = 1;
        for (int j : equalLines) {
            ++count;
            lines[j] = Numbered(text, count);
            numbering[size_t(j)] = {text, count};
            waiting[lines[j]].insert(j);
        }
        lines[i] = Numbered(text, 1);
        numbering[size_t(i)] = {text, 1};
    }
    return numbering;
}

// Gives every line that repeats an earlier one the next free number, counting on from its own.
void NumberOnCollisions(QStringList& lines, const std::vector<TNumbering>& numbering) {
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
