#include "cdimport/TLameEnc.h"

#include "cdimport/OutputFilePlacement.h"
#include "cdimport/TFreeFileName.h"

#include <QFile>
#include <QFileInfo>

namespace {
// An option with a tag value, left out when the value is empty.
void AddTag(QStringList& arguments, const QString& option, const QString& value,
            const QString& frame = {}) {
    if (value.isEmpty())
        return;
    arguments << option << (frame.isEmpty() ? value : frame + '=' + value);
}
} // namespace

TLameEnc::TLameEnc(std::unique_ptr<IEncoderProgram> program, QObject* parent)
    : TConversionStage(parent), program_(std::move(program)) {}

TLameEnc::~TLameEnc() { WaitForWorker(); }

QStringList TLameEnc::Arguments(int bitRate, bool writeTags, const TmyID3tag& tags,
                                const QString& wavName, const QString& mp3Name) {
    QStringList arguments{"-h", "-b", QString::number(bitRate == 0 ? 256 : bitRate)};
    if (writeTags) {
        AddTag(arguments, "--tt", tags.Title);
        AddTag(arguments, "--ta", tags.Artist);
        AddTag(arguments, "--tl", tags.Album);
        AddTag(arguments, "--ty", tags.Year);
        AddTag(arguments, "--tv", tags.GenreText, "TCON");
        AddTag(arguments, "--tv", tags.Publisher, "TPUB");
        AddTag(arguments, "--tv", tags.Disc, "TPOS");
        AddTag(arguments, "--tn", tags.Track);
    }
    return arguments << wavName << mp3Name;
}

QString TLameEnc::WavNameFor(const QString& path) {
    const int dot = int(path.lastIndexOf('.'));
    const int folderEnd = int(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')));
    return (dot > folderEnd ? path.left(dot) : path) + ".wav";
}

QString TLameEnc::RipNameFor(const QString& mp3Path) { return TFreeFileName::For(mp3Path + ".rip.wav"); }

QString TLameEnc::KeepRipAsWav(const QString& ripPath, const QString& mp3Path) {
    const QString kept = TFreeFileName::MoveTo(ripPath, WavNameFor(mp3Path));
    return kept.isEmpty() ? ripPath : kept;
}

TConversionResult TLameEnc::Failed(const QString& reason, const TConversionInput& input) {
    return {false, reason, KeepRipAsWav(input.RipPath, input.Path), {}};
}

TConversionResult TLameEnc::Convert(const TConversionInput& input) {
    const QString& mp3 = input.Path;
    const QString& rip = input.RipPath;
    // Without a rip of its own the stage has nothing it may move or encode.
    if (rip == mp3 || !QFileInfo::exists(rip))
        return {false, QString("No ripped audio to encode for \"%1\"").arg(mp3), {}, {}};

    const QString partial = SideNameFor(mp3);
    const TEncoderRun run = program_->Run(
        Arguments(input.Format.BitRate, input.WriteTags, input.Tags, rip, partial));
    QString reason;
    if (!run.Started)
        reason = "Error starting encoding!";
    else if (!run.Succeeded)
        reason = "The encoder ended with an error";
    else if (QFileInfo(partial).size() <= 0)
        reason = "The encoder wrote no MP3";
    if (!reason.isEmpty()) {
        if (run.Started)
            QFile::remove(partial); // a name nothing had before the encoder ran
        return Failed(reason, input);
    }
    QFile::remove(rip);
    return {true, {}, {}, partial};
}
