#include "naming/TRenameTagBatch.h"

#include "app/DiskPath.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/PathBytes.h"
#include "naming/RenameNoReplace.h"
#include "tags/TagTemplates.h"

#include <QFileInfo>

namespace {
// A name of one folder entry: a built name never holds a path delimiter, but it is checked
// before the file system sees it.
bool IsPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString NameOnDisk(const tsound& sound) {
    return sound.Comment.isEmpty() ? QFileInfo(sound.path).fileName() : sound.Comment;
}

QString ConflictText(TRenamePlan::TConflict conflict, const QString& target) {
    switch (conflict) {
    case TRenamePlan::TConflict::SameTarget:
        return QStringLiteral("Cannot rename to \"%1\". Another file of the batch would get this name")
            .arg(target);
    case TRenamePlan::TConflict::TargetTaken:
        // What the system itself says of a name taken by a file that stays.
        return QStringLiteral("Cannot rename to \"%1\". File exists").arg(target);
    case TRenamePlan::TConflict::SameFile:
        return QStringLiteral("Cannot rename to \"%1\". The file is marked twice").arg(target);
    case TRenamePlan::TConflict::None: break;
    }
    return {};
}

// A report holds one line per sound: a line break in a name or a reason would start another.
QString OnOneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    line.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return line;
}
} // namespace

TRenameTagBatch::TRenameTagBatch(TSoundList& sounds, std::vector<int> rows,
                                 const TPanelValues& panel, QString journalPath)
    : panel_(panel), journal_(std::move(journalPath)) {
    for (int row : rows) {
        if (row < 0 || row >= sounds.Count())
            continue;
        const TSoundRef& sound = sounds.Ref(row);
        rows_.push_back({sound, NameOnDisk(*sound), false, {}, {}, {}, false});
    }
    tagger_.WriteID3 = panel.DoID3;
    tagger_.WriteBwav = panel.DoBwav;
    tagger_.WriteIXML = panel.DoiXML;
    if (panel_.DoRename)
        PlanRenames();
    else
        NextPhase();
}

// Every rename is known before the first one is done, so that the order can free each name
// before it is taken, and the renames that would replace a file are refused up front.
void TRenameTagBatch::PlanRenames() {
    std::vector<TRenamePlan::TRequest> requests;
    for (size_t i = 0; i < rows_.size(); ++i) {
        TRow& row = rows_[i];
        const tsound& sound = *row.Sound;
        // After a rename the record no longer knows the old name; only a new listing does.
        if (sound.Comment.isEmpty()) {
            Fail(row, QStringLiteral("Renamed before: pick the folder again to rename it anew"));
            continue;
        }
        row.From = DiskPath(sound);
        if (!row.From.startsWith('/') || !IsPlainFileName(sound.filename) ||
            !IsPlainFileName(ShownNameOf(row.From))) {
            Fail(row, QStringLiteral("Cannot rename to \"%1\": not a file name").arg(sound.filename));
            continue;
        }
        requests.push_back({row.From, FolderOfPath(row.From) + sound.filename.toUtf8()});
        rowOfRequest_.push_back(i);
    }
    const TRenamePlan plan(requests);
    for (size_t i = 0; i < requests.size(); ++i) {
        TRow& row = rows_[rowOfRequest_[i]];
        if (const auto conflict = plan.ConflictOf(int(i)); conflict != TRenamePlan::TConflict::None)
            Fail(row, ConflictText(conflict, row.Sound->filename));
        else if (requests[i].From == requests[i].To)
            Renamed(row, requests[i].To);
    }
    moves_ = plan.Moves();
}

size_t TRenameTagBatch::PhaseLength() const {
    return phase_ == Phase::Renaming ? moves_.size() : rows_.size();
}

int TRenameTagBatch::StepCount() const {
    return int(moves_.size()) + (panel_.WritesTags() ? int(rows_.size()) : 0);
}

void TRenameTagBatch::NextPhase() {
    position_ = 0;
    if (phase_ == Phase::Renaming && panel_.WritesTags())
        phase_ = Phase::Tagging;
    else
        phase_ = Phase::Finished;
}

void TRenameTagBatch::Step() {
    while (!AtEnd() && position_ >= PhaseLength())
        NextPhase();
    if (AtEnd())
        return;
    if (phase_ == Phase::Renaming)
        MoveOne(moves_[position_++]);
    else
        TagOne(rows_[position_++]);
    ++stepsDone_;
    if (position_ >= PhaseLength())
        NextPhase();
}

void TRenameTagBatch::RunToEnd() {
    while (!AtEnd())
        Step();
}

// Each reason is kept once, however many steps gave it.
void TRenameTagBatch::Fail(TRow& row, const QString& reason) {
    if (!row.Failures.contains(reason))
        row.Failures.append(reason);
    row.Sound->Status = sserror;
}

// The journal is started with the first rename of the batch; without it no file is renamed.
std::optional<QString> TRenameTagBatch::JournalRefusal() {
    if (!journalError_.isEmpty())
        return journalError_;
    if (journal_.Begun())
        return std::nullopt;
    const TResult begun = journal_.Begin();
    if (begun)
        return std::nullopt;
    journalError_ = QStringLiteral("Not renamed: ") + begun.ErrorText();
    return journalError_;
}

void TRenameTagBatch::MoveOne(const TRenamePlan::TMove& move) {
    TRow& row = rows_[rowOfRequest_[size_t(move.Request)]];
    if (row.RenameStopped)
        return;
    if (!MoveOnRecord(row, move.From, move.To, row.Sound->filename, true)) {
        row.RenameStopped = true;
        if (!row.AsideAt.isEmpty())
            ReturnFromAside(row);
        return;
    }
    if (move.Aside)
        row.AsideAt = move.To;
    else
        Renamed(row, move.To);
}

bool TRenameTagBatch::MoveOnRecord(TRow& row, const QByteArray& from, const QByteArray& to,
                                   const QString& target, bool stages) {
    if (const std::optional<QString> refusal = JournalRefusal()) {
        Fail(row, *refusal);
        return false;
    }
    // The intent reaches the system first: whatever happens next, undo knows where to look.
    if (const TResult intended = journal_.Intend(from, to); !intended) {
        journalError_ = QStringLiteral("Not renamed: ") + intended.ErrorText();
        Fail(row, journalError_);
        return false;
    }
    if (stages)
        OnRenameStage(TRenameStage::Intended);
    const TResult renamed = RenameNoReplace(from, to);
    if (!renamed) {
        Fail(row, QStringLiteral("Cannot rename to \"%1\". %2").arg(target, renamed.ErrorText()));
        // Without this line undo would look for the file under both names and still find it.
        if (const TResult abandoned = journal_.Abandon(from, to); !abandoned)
            journalError_ = QStringLiteral("Not renamed: ") + abandoned.ErrorText();
        return false;
    }
    if (stages)
        OnRenameStage(TRenameStage::Renamed);
    if (const TResult completed = journal_.Complete(from, to); !completed) {
        // This rename stands, and undo finds it by its intent; the ones after it are refused.
        journalError_ = QStringLiteral("Not renamed: ") + completed.ErrorText();
        Fail(row, QStringLiteral("Renamed to \"%1\", but not on record. %2")
                      .arg(ShownNameOf(to), completed.ErrorText()));
    }
    return true;
}

// The file of a ring was moved aside and cannot take its new name: it goes back to its old
// one, or, when that is taken meanwhile, stays under the temporary name, which the report
// gives and the journal keeps for undo.
void TRenameTagBatch::ReturnFromAside(TRow& row) {
    const QByteArray aside = std::exchange(row.AsideAt, QByteArray());
    if (MoveOnRecord(row, aside, row.From, ShownNameOf(row.From), false))
        return;
    tsound& sound = *row.Sound;
    SetPathFromDisk(sound, aside);
    sound.Comment = ShownNameOf(aside);
    Fail(row, QStringLiteral("The file is left as \"%1\"").arg(sound.Comment));
}

void TRenameTagBatch::Renamed(TRow& row, const QByteArray& to) {
    tsound& sound = *row.Sound;
    sound.Status = row.Failures.isEmpty() ? ssDone : sserror;
    SetPathFromDisk(sound, to);
    sound.Comment.clear();
    row.Handled = true;
}

void TRenameTagBatch::TagOne(TRow& row) {
    tsound& sound = *row.Sound;
    MakeDefaultIxml(sound);
    const TResult written = tagger_.WriteTags(sound);
    if (!written) {
        // A file refused by the writer gives its reason once, whatever tag kinds were asked.
        for (const QString& error : written.Errors())
            Fail(row, error);
        return;
    }
    row.Handled = true;
    if (row.Failures.isEmpty())
        sound.Status = ssDone;
}

TBatchReport TRenameTagBatch::Report() const {
    TBatchReport report;
    report.Marked = int(rows_.size());
    for (const TRow& row : rows_) {
        if (!row.Failures.isEmpty()) {
            ++report.Errors;
            report.Failures.append(OnOneLine(row.NameOnDisk + QLatin1String(": ") +
                                             row.Failures.join(QLatin1String("; "))));
        } else if (row.Handled) {
            ++report.Ok;
        }
    }
    return report;
}
