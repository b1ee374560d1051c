#include "naming/TRenamePlan.h"

#include "naming/PathBytes.h"

#include <QHash>
#include <QSet>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// True when a file stands under `to` that is not the file `from` itself (a change of letter
// case on a file system that ignores case finds the moving file under its new name).
bool TakenByAnother(const QByteArray& to, const QByteArray& from) {
    struct stat target {};
    if (::lstat(to.constData(), &target) != 0)
        return false;
    struct stat source {};
    return ::lstat(from.constData(), &source) != 0 || source.st_dev != target.st_dev ||
           source.st_ino != target.st_ino;
}
} // namespace

TRenamePlan::TRenamePlan(const std::vector<TRequest>& requests)
    : conflicts_(requests.size(), TConflict::None), moving_(requests.size(), false) {
    for (size_t i = 0; i < requests.size(); ++i)
        moving_[i] = requests[i].From != requests[i].To;
    FindConflicts(requests);
    Order(requests);
}

void TRenamePlan::FindConflicts(const std::vector<TRequest>& requests) {
    QHash<QByteArray, int> froms;
    QHash<QByteArray, int> targets;
    for (size_t i = 0; i < requests.size(); ++i) {
        if (moving_[i]) {
            ++froms[requests[i].From];
            ++targets[requests[i].To];
        }
    }
    const auto refuse = [this](size_t i, TConflict why) {
        conflicts_[i] = why;
        moving_[i] = false;
    };
    for (size_t i = 0; i < requests.size(); ++i) {
        if (!moving_[i])
            continue;
        if (froms.value(requests[i].From) > 1)
            refuse(i, TConflict::SameFile);
        else if (targets.value(requests[i].To) > 1)
            refuse(i, TConflict::SameTarget);
    }
    // A name is free when nothing stands there or the file there moves away in this batch.
    // Every refusal keeps a file where it is, which may take the name another rename wanted.
    std::vector<bool> taken(requests.size(), false);
    for (size_t i = 0; i < requests.size(); ++i)
        taken[i] = moving_[i] && TakenByAnother(requests[i].To, requests[i].From);
    for (bool refused = true; refused;) {
        refused = false;
        QSet<QByteArray> leaving;
        for (size_t i = 0; i < requests.size(); ++i)
            if (moving_[i])
                leaving.insert(requests[i].From);
        for (size_t i = 0; i < requests.size(); ++i) {
            if (moving_[i] && taken[i] && !leaving.contains(requests[i].To)) {
                refuse(i, TConflict::TargetTaken);
                refused = true;
            }
        }
    }
}

// Each name is wanted by one moving file at most and held by one at most, so following the
// file that holds a wanted name leads either to a free name (a chain, done from its end) or
// back to where it began (a ring).
void TRenamePlan::Order(const std::vector<TRequest>& requests) {
    QHash<QByteArray, int> holder;
    for (size_t i = 0; i < requests.size(); ++i)
        if (moving_[i])
            holder.insert(requests[i].From, int(i));
    enum class TState { Waiting, OnPath, Planned };
    std::vector<TState> state(requests.size(), TState::Waiting);
    const auto plan = [&](int i) {
        moves_.push_back({i, requests[size_t(i)].From, requests[size_t(i)].To, false});
        state[size_t(i)] = TState::Planned;
    };
    for (size_t start = 0; start < requests.size(); ++start) {
        if (!moving_[start] || state[start] == TState::Planned)
            continue;
        std::vector<int> path;
        int ringStart = -1;
        for (int i = int(start);;) {
            path.push_back(i);
            state[size_t(i)] = TState::OnPath;
            const int next = holder.value(requests[size_t(i)].To, -1);
            if (next < 0 || state[size_t(next)] == TState::Planned)
                break;
            if (state[size_t(next)] == TState::OnPath) {
                ringStart = next;
                break;
            }
            i = next;
        }
        if (ringStart < 0) {
            for (auto i = path.rbegin(); i != path.rend(); ++i)
                plan(*i);
            continue;
        }
        // The file that begins the ring steps aside; the ring then is a chain ending in its name.
        const TRequest& first = requests[size_t(ringStart)];
        const QByteArray aside = FreeNameBeside(first.From, requests);
        moves_.push_back({ringStart, first.From, aside, true});
        auto i = path.rbegin();
        for (; *i != ringStart; ++i)
            plan(*i);
        moves_.push_back({ringStart, aside, first.To, false});
        state[size_t(ringStart)] = TState::Planned;
        for (++i; i != path.rend(); ++i)
            plan(*i);
    }
}

// A name in the folder of `path` that no file has and no rename of the batch wants. The
// rename to it still refuses to replace, should another program take it meanwhile.
QByteArray TRenamePlan::FreeNameBeside(const QByteArray& path, const std::vector<TRequest>& requests) {
    const QByteArray folder = FolderOfPath(path);
    for (;;) {
        const QByteArray name = folder + QByteArrayLiteral(".trackmoth-swap-") +
                                QByteArray::number(::getpid()) + '-' +
                                QByteArray::number(++temporaries_);
        const bool wanted = std::any_of(requests.begin(), requests.end(), [&](const TRequest& r) {
            return r.From == name || r.To == name;
        });
        if (!wanted && !ExistsOnDisk(name))
            return name;
    }
}
