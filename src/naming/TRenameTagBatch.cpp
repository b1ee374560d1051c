#include "naming/TRenameTagBatch.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/RenameNoReplace.h"
#include "tags/TagTemplates.h"

#include <QDir>
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
} // namespace

TRenameTagBatch::TRenameTagBatch(TSoundList& sounds, std::vector<int> rows,
                                 const TPanelValues& panel, const QString& folder,
                                 QString journalPath)
    : panel_(panel), folder_(folder), journal_(std::move(journalPath)) {
    for (int row : rows) {
        if (row < 0 || row >= sounds.Count())
            continue;
        const TSoundRef& sound = sounds.Ref(row);
        rows_.push_back({sound, NameOnDisk(*sound), false, {}});
    }
    tagger_.WriteID3 = panel.DoID3;
    tagger_.WriteBwav = panel.DoBwav;
    tagger_.WriteIXML = panel.DoiXML;
    if (!panel_.DoRename)
        NextPhase();
}

int TRenameTagBatch::StepCount() const {
    const int phases = int(panel_.DoRename) + int(panel_.WritesTags());
    return phases * int(rows_.size());
}

void TRenameTagBatch::NextPhase() {
    position_ = 0;
    if (phase_ == Phase::Renaming && panel_.WritesTags())
        phase_ = Phase::Tagging;
    else
        phase_ = Phase::Finished;
}

void TRenameTagBatch::Step() {
    while (!AtEnd() && position_ >= rows_.size())
        NextPhase();
    if (AtEnd())
        return;
    TRow& row = rows_[position_++];
    if (phase_ == Phase::Renaming)
        RenameOne(row);
    else
        TagOne(row);
    ++stepsDone_;
    if (position_ >= rows_.size())
        NextPhase();
}

void TRenameTagBatch::RunToEnd() {
    while (!AtEnd())
        Step();
}

void TRenameTagBatch::Fail(TRow& row, const QString& reason) {
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

void TRenameTagBatch::RenameOne(TRow& row) {
    tsound& sound = *row.Sound;
    // After a rename the record no longer knows the old name; only a new listing does.
    if (sound.Comment.isEmpty())
        return Fail(row, QStringLiteral("Renamed before: pick the folder again to rename it anew"));
    if (!IsPlainFileName(sound.filename) || !IsPlainFileName(sound.Comment))
        return Fail(row, QStringLiteral("Cannot rename to \"%1\": not a file name").arg(sound.filename));
    const QString from = folder_.filePath(sound.Comment);
    const QString to = folder_.filePath(sound.filename);
    if (from != to && !MoveOnRecord(row, from, to))
        return;
    sound.Status = row.Failures.isEmpty() ? ssDone : sserror;
    sound.path = to;
    sound.Comment.clear();
    row.Handled = true;
}

bool TRenameTagBatch::MoveOnRecord(TRow& row, const QString& from, const QString& to) {
    if (const std::optional<QString> refusal = JournalRefusal()) {
        Fail(row, *refusal);
        return false;
    }
    const TResult renamed = RenameNoReplace(from, to);
    if (!renamed) {
        Fail(row, QStringLiteral("Cannot rename to \"%1\". %2").arg(row.Sound->filename, renamed.ErrorText()));
        return false;
    }
    const TResult recorded = journal_.Record(from, to);
    if (!recorded) {
        // This rename stands; the ones after it would be off the record, so they are refused.
        journalError_ = QStringLiteral("Not renamed: ") + recorded.ErrorText();
        Fail(row, QStringLiteral("Renamed to \"%1\", but not on record. %2")
                      .arg(row.Sound->filename, recorded.ErrorText()));
    }
    return true;
}

void TRenameTagBatch::TagOne(TRow& row) {
    tsound& sound = *row.Sound;
    MakeDefaultIxml(sound);
    const TResult written = tagger_.WriteTags(sound);
    if (!written) {
        QStringList reasons;
        for (const QString& error : written.Errors())
            if (!reasons.contains(error))
                reasons.append(error);
        return Fail(row, reasons.join(QLatin1String("; ")));
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
            report.Failures.append(row.NameOnDisk + QLatin1String(": ") +
                                   row.Failures.join(QLatin1String("; ")));
        } else if (row.Handled) {
            ++report.Ok;
        }
    }
    return report;
}
