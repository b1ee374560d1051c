#pragma once

#include "app/TResult.h"
#include "cdimport/IRipper.h"
#include "cdimport/TWavHeader.h"

#include <QFile>
#include <QStringList>

#include <functional>

// A ripper that writes a small valid WAV file per track. By default each rip ends inside
// RipTrack; with `EndsLater` the test ends it with `EndRip`.
class TFakeRipper : public IRipper {
public:
    bool EndsLater = false;
    int FailingTrack = -1;      // RipTrack fails for this track, writing nothing
    int BrokenTrack = -1;       // this track's file is no WAV file, so its tag write fails
    QList<int> DataTracks;      // tracks of data: RipTrack refuses them, as a drive does
    QString ErrorText = "Cannot create file";
    QString EndError;           // RipError of the rips that end
    QString Report;             // RipReport of the rips that end
    QStringList RippedFiles;    // in call order
    int Cancels = 0;
    std::function<void()> OnRipStarted; // inside RipTrack, after the file is written

    TResult RipTrack(const QString& fileName, int track) override {
        if (track == FailingTrack)
            return TResult::Error(ErrorText);
        if (DataTracks.contains(track))
            return TResult::Error("Cannot open the track for ripping: it is a data track");
        if (track == BrokenTrack)
            WriteBytes(fileName, "no RIFF here");
        else
            WriteWav(fileName);
        RippedFiles.append(fileName);
        ripping_ = true;
        if (OnRipStarted)
            OnRipStarted();
        if (!EndsLater)
            EndRip();
        return TResult::Ok();
    }
    void EndRip() {
        ripping_ = false;
        Notify(onRipDone_);
    }
    bool Ripping() const { return ripping_; }
    void CancelRip() override { ++Cancels; }
    void SetOnRipDone(TNotification notification) override { onRipDone_ = std::move(notification); }
    QString RipError() const override { return EndError; }
    QString RipReport() const override { return Report; }
    bool IsDataTrack(int track) const override { return DataTracks.contains(track); }

    static void WriteBytes(const QString& fileName, const QByteArray& bytes) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(fileName));
    }
    static void WriteWav(const QString& fileName) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        file.write(TWavHeader::Build(2, 16));
        file.write(QByteArray(4 * 441, '\0'));
        if (!TWavHeader::PatchSizes(file))
            qFatal("cannot write %s", qPrintable(fileName));
    }

private:
    TNotification onRipDone_;
    bool ripping_ = false;
};
