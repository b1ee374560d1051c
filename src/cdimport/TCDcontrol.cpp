#include "cdimport/TCDcontrol.h"

#include "cdimport/TRipThread.h"
#include "cdimport/TSimpleThread.h"
#include "cdimport/TWavHeader.h"
#include "cdimport/WriteFully.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <utility>

namespace {
constexpr int maxDrives = 10;
constexpr qint64 cdBytesPerSecond = 176400;
// Progress is updated on the first block past this count, i.e. every 51 blocks; the count
// carries over from one rip to the next.
constexpr int blocksPerProgressUpdate = 50;

int RoundHalfEven(double value) { return int(std::nearbyint(value)); }
} // namespace

TCDcontrol::TCDcontrol(std::unique_ptr<ICdDrives> drives, std::unique_ptr<IAudioOutput> output,
                       QObject* parent)
    : QObject(parent), drives_(std::move(drives)), output_(std::move(output)) {
    outputResult_ = OpenOutput();
}

TCDcontrol::~TCDcontrol() {
    if (ripThread_) {
        // Leave a valid, shorter file behind, as a cancel would.
        cancelRequest_ = true;
        CloseRipFile();
    }
}

TResult TCDcontrol::OpenOutput() {
    return output_->Init() ? TResult::Ok() : TResult::Error("Can't initialize device");
}

// ---- Drives and discs

int TCDcontrol::ListDrives(QStringList& list) {
    int count = 0;
    for (; count < maxDrives; ++count) {
        const std::optional<TCdDriveInfo> info = drives_->Info(count);
        if (!info)
            break;
        list.append(QString("%1: %2 - %3").arg(info->Name, info->Vendor, info->Product));
    }
    drive_ = 0;
    return count;
}

QStringList TCDcontrol::ListDrives() {
    QStringList list;
    ListDrives(list);
    return list;
}

void TCDcontrol::ListDrivesInBackground(QObject* receiver, TDrivesListed listed) {
    waitingForDrives_.append({QPointer<QObject>(receiver), std::move(listed)});
    if (driveListing_)
        return;
    driveListing_ = std::make_unique<TSimpleThread>([this] { foundDrives_ = drives_->FindDrives(); },
                                                    [this] { DrivesFound(); });
}

void TCDcontrol::DrivesFound() {
    // Freed later: this runs inside the thread object's own slot.
    driveListing_.release()->deleteLater();
    {
        const std::lock_guard lock(drivesInUse_);
        drives_->UseDrives(std::exchange(foundDrives_, {}));
    }
    const QStringList lines = ListDrives();
    for (const auto& [receiver, listed] : std::exchange(waitingForDrives_, {})) {
        if (receiver)
            listed(lines);
    }
}

bool TCDcontrol::IsDoorOpen() { return drives_->IsDoorOpen(drive_); }

int TCDcontrol::GetTrackCount() { return drives_->TrackCount(drive_); }

int TCDcontrol::TrackSeconds(qint64 bytes) { return int(bytes / cdBytesPerSecond); }

void TCDcontrol::ReadTrackList(QStringList& list, TTrackLengthArray& lengths) {
    const int count = GetTrackCount();
    if (count == -1)
        return;
    lengths.resize(count);
    for (int track = 0; track < count; ++track) {
        QString name = QString::asprintf("Track %.2d", track + 1);
        const qint64 bytes = drives_->TrackLength(drive_, track);
        if (bytes == -1) {
            name += " (data)";
            lengths[track] = -1;
        } else {
            lengths[track] = TrackSeconds(bytes);
        }
        list.append(name);
    }
}

QString TCDcontrol::GetDiscId() { return drives_->CddbId(drive_); }

bool TCDcontrol::ReadDiscInBackground(QObject* receiver, TDiscReadDone done) {
    if (discReading_)
        return false;
    discReadReceiver_ = receiver;
    discReadDone_ = std::move(done);
    const int drive = drive_;
    discReading_ = std::make_unique<TSimpleThread>(
        [this, drive] {
            const std::lock_guard lock(drivesInUse_);
            discRead_ = ReadDisc(drive);
        },
        [this] { DiscReadEnded(); });
    return true;
}

TDiscRead TCDcontrol::ReadDisc(int drive) const {
    TDiscRead read;
    read.DoorOpen = drives_->IsDoorOpen(drive);
    if (read.DoorOpen)
        return read;
    const int count = drives_->TrackCount(drive);
    for (int track = 0; track < count; ++track) {
        const qint64 bytes = drives_->TrackLength(drive, track);
        read.TrackNames.append(QString::asprintf("Track %.2d", track + 1) +
                               (bytes == -1 ? " (data)" : ""));
        read.Lengths.append(bytes == -1 ? -1 : TrackSeconds(bytes));
    }
    if (count > 0) {
        read.DiscId = drives_->CddbId(drive);
        read.Text = drives_->CdText(drive);
    }
    return read;
}

void TCDcontrol::DiscReadEnded() {
    // Freed later: this runs inside the thread object's own slot.
    discReading_.release()->deleteLater();
    const TDiscReadDone done = std::exchange(discReadDone_, {});
    if (discReadReceiver_ && done)
        done(std::exchange(discRead_, {}));
}

// ---- Preview

bool TCDcontrol::PlayTrack(int track) {
    if (ripping_)
        return false;
    preview_.reset();
    lastPreviewTrack_ = track;
    // A sound server started after the program gives the previews their output.
    if (!outputResult_)
        outputResult_ = OpenOutput();
    if (!outputResult_)
        return false;
    // Plain reads: a preview must start at once, and a click now and then does no harm.
    preview_ = output_->CreatePlayer(drives_->OpenTrack(drive_, track, TCdReadMode::Plain));
    if (!preview_)
        return false;
    preview_->SetVolume(previewVolume_);
    return preview_->Play();
}

void TCDcontrol::StopPreview() {
    if (ripping_)
        return;
    if (IsPreviewPlaying())
        preview_->Stop();
}

void TCDcontrol::TogglePreview() {
    if (ripping_)
        return;
    if (IsPreviewPlaying())
        preview_->Stop();
    else
        PlayTrack(lastPreviewTrack_);
}

void TCDcontrol::SetPreviewVolume(float volume) {
    if (ripping_)
        return;
    // Kept for the next track too, so that a toggled preview does not come back at full volume.
    previewVolume_ = volume;
    if (preview_)
        preview_->SetVolume(volume);
}

void TCDcontrol::SeekPreview(int percent) {
    if (!ripping_ && IsPreviewPlaying())
        preview_->SetPosition(RoundHalfEven(double(preview_->Length()) * (percent / 100.0)));
}

int TCDcontrol::PreviewPercent() const {
    // Without a stream, or at the end of an empty one, the preview counts as finished.
    if (!preview_ || preview_->Length() <= 0)
        return 100;
    return RoundHalfEven(double(preview_->Position()) / double(preview_->Length()) * 100.0);
}

double TCDcontrol::PreviewSeconds() const {
    return preview_ ? preview_->Format().BytesToSeconds(preview_->Position()) : 0.0;
}

bool TCDcontrol::IsPreviewPlaying() const { return preview_ && preview_->IsPlaying(); }

// ---- Ripper

TResult TCDcontrol::RipTrack(const QString& fileName, int track) {
    if (ripping_)
        return TResult::Error("A track is already being ripped.");
    std::unique_ptr<IPcmSource> source = drives_->OpenTrack(drive_, track, ripReadMode_);
    if (!source)
        return TResult::Error(TrackOpenError(track));
    ripping_ = true;
    cancelRequest_ = false;
    ripTrackName_ = QString::asprintf("Track %.2d", track + 1);
    ripError_.clear();
    ripReport_.clear();
    SetStatus("Starting..");
    std::unique_ptr<QFile> file;
    const TResult created = CreateWavFile(fileName, *source, file);
    if (!created) {
        ripping_ = false;
        return created;
    }
    const qint64 trackBytes = source->Length();
    ripThread_ = new TRipThread(std::move(source), std::move(file), cancelRequest_);
    ripThread_->SumAs(TAccurateRipSum(trackBytes, track == 0, IsLastAudioTrack(track)));
    connect(ripThread_, &TRipThread::BlockCopied, this, &TCDcontrol::RipBlockCopied,
            Qt::QueuedConnection);
    connect(ripThread_, &QThread::finished, this, &TCDcontrol::RipThreadFinished,
            Qt::QueuedConnection);
    ripThread_->start();
    return TResult::Ok();
}

bool TCDcontrol::IsLastAudioTrack(int track) {
    const int count = drives_->TrackCount(drive_);
    for (int later = track + 1; later < count; ++later)
        if (drives_->TrackLength(drive_, later) != -1)
            return false;
    return true;
}

QString TCDcontrol::TrackOpenError(int track) {
    const int count = drives_->TrackCount(drive_);
    QString reason = "the drive gave no audio for it";
    if (count < 0)
        reason = "there is no readable disc in the drive";
    else if (track < 0 || track >= count)
        reason = "the disc has no such track";
    else if (drives_->TrackLength(drive_, track) < 0)
        reason = "it is a data track";
    return QString::asprintf("Cannot open Track %.2d for ripping: ", track + 1) + reason;
}

TResult TCDcontrol::CreateWavFile(const QString& fileName, const IPcmSource& source,
                                  std::unique_ptr<QFile>& file) {
    const TPcmFormat format = source.Format();
    const int channels = format.Channels == 1 ? 1 : 2;
    const int bits = format.BitsPerSample == 8 ? 8 : 16;

    // Only a file this rip made may be removed again: the name may be a device such as /dev/full.
    const bool existed = QFileInfo::exists(fileName);
    file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return TResult::Error(QString("Cannot create file \"%1\". %2").arg(fileName, file->errorString()));
    const QByteArray header = TWavHeader::Build(channels, bits);
    const TResult written = WriteFully(*file, header.constData(), header.size());
    if (!written) {
        // An empty or half header under the track's name would pass for a rip.
        if (!existed)
            file->remove();
        file.reset();
    }
    return written;
}

void TCDcontrol::CancelRip() { cancelRequest_ = true; }

bool TCDcontrol::IsDataTrack(int track) {
    return track >= 0 && track < drives_->TrackCount(drive_) && drives_->TrackLength(drive_, track) < 0;
}

void TCDcontrol::RipBlockCopied(qint64 position, qint64 length) {
    if (++blockCounter_ <= blocksPerProgressUpdate)
        return;
    percent_ = length > 0 ? int(position * 100 / length) : 0;
    Notify(OnProgress);
    SetStatus(QString("Ripped %1%").arg(percent_));
    blockCounter_ = 0;
}

void TCDcontrol::RipThreadFinished() {
    SetStatus("Closing file ...");
    CloseRipFile();
    SetStatus(ripError_.isEmpty() ? QString("Done") : ripError_);
    // Cleared before the notification: its receiver may start the next rip at once.
    ripping_ = false;
    Notify(OnRipDone);
}

void TCDcontrol::CloseRipFile() {
    ripThread_->wait();
    std::unique_ptr<IPcmSource> source = ripThread_->TakeSource();
    std::unique_ptr<QFile> file = ripThread_->TakeFile();
    ripError_ = ripThread_->ErrorText();
    if (ripError_.isEmpty() && !source->ErrorText().isEmpty())
        ripError_ = ripTrackName_ + ": " + source->ErrorText();
    ripReport_ = source->ReadReport();
    // Only a whole track has checksums the database could know.
    const std::optional<TAccurateRipSum>& sum = ripThread_->Sum();
    if (sum && ripError_.isEmpty() && source->Position() == source->Length())
        // One line in the row's details, so the parts need a visible separator.
        ripReport_ += (ripReport_.isEmpty() ? "" : "; ") + sum->Text();
    source.reset();
    delete ripThread_;
    ripThread_ = nullptr;

    if (!TWavHeader::PatchSizes(*file) && ripError_.isEmpty())
        ripError_ = WriteError(*file).ErrorText();
    file->close();
}

void TCDcontrol::SetStatus(const QString& text) {
    statusText_ = text;
    Notify(OnStatus);
}
