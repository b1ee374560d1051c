#pragma once

#include <QByteArray>

#include <vector>

// The order in which a batch renames its files, made before the first file is touched.
//
// A batch may free a name that another of its files wants (A -> B together with B -> C), or
// exchange names (A -> B, B -> A, or longer rings). Taken in list order the first such rename
// meets a file in the way, and a rename never replaces. The plan lets every rename wait for
// the one that frees its name, and breaks a ring by moving one of its files aside to a free
// temporary name in its own folder first; from there it takes its name last.
//
// Renames that cannot be done without replacing a file are refused before anything moves:
// two renames that want the same name, one that wants the name of a file the batch does not
// move, and two that would move the same file. The others go on.
class TRenamePlan {
public:
    // One wanted rename: full paths as the system knows them.
    struct TRequest {
        QByteArray From;
        QByteArray To;
    };
    enum class TConflict { None, SameTarget, TargetTaken, SameFile };
    // One rename of the plan, in the order to carry them out.
    struct TMove {
        int Request; // index into the requests
        QByteArray From;
        QByteArray To;
        bool Aside; // to a temporary name; the file's last move takes it on to its own name
    };

    // Plans `requests`; one whose From equals its To needs no move. Looks at the disk for
    // names that are taken and for free temporary names.
    explicit TRenamePlan(const std::vector<TRequest>& requests);

    const std::vector<TMove>& Moves() const { return moves_; }
    // Why request i is refused, or None.
    TConflict ConflictOf(int request) const { return conflicts_[size_t(request)]; }

private:
    void FindConflicts(const std::vector<TRequest>& requests);
    void Order(const std::vector<TRequest>& requests);
    QByteArray FreeNameBeside(const QByteArray& path, const std::vector<TRequest>& requests);

    std::vector<TConflict> conflicts_;
    std::vector<bool> moving_;
    std::vector<TMove> moves_;
    int temporaries_ = 0;
};
