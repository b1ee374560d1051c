#include "cdimport/TLameEnc.h"

#include <QFile>
#include <QFileInfo>

TLameEnc::TLameEnc(std::unique_ptr<IEncoderProgram> program, QObject* parent)
    : TConversionStage(parent), program_(std::move(program)) {}

TLameEnc::~TLameEnc() { WaitForWorker(); }

QStringList TLameEnc::Arguments(int bitRate, bool writeTags, const TmyID3tag& tags,
                                const QString& wavName, const QString& mp3Name) {
    QStringList arguments{"-h", "-b", QString::number(bitRate == 0 ? 256 : bitRate)};
    if (writeTags)
        arguments << "--tt" << tags.Title << "--ta" << tags.Artist << "--tl" << tags.Album
                  << "--ty" << tags.Year << "--tv" << "TCON=" + tags.GenreText << "--tv"
                  << "TPUB=" + tags.Publisher << "--tv" << "TPOS=" + tags.Disc << "--tn"
                  << tags.Track;
    return arguments << wavName << mp3Name;
}

QString TLameEnc::WavNameFor(const QString& path) {
    const int dot = int(path.lastIndexOf('.'));
    const int folderEnd = int(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')));
    return (dot > folderEnd ? path.left(dot) : path) + ".wav";
}

TConversionResult TLameEnc::Convert(const TConversionInput& input) {
    const QString& mp3 = input.Path;
    const QString wav = WavNameFor(mp3);
    // A sound already named .wav would otherwise be deleted as a leftover.
    if (wav == mp3)
        return {};
    if (QFile::exists(wav))
        QFile::remove(wav);
    if (!QFile::rename(mp3, wav))
        return {};

    const QString partial = mp3 + "_";
    QFile::remove(partial);
    const TEncoderRun run = program_->Run(
        Arguments(input.Format.BitRate, input.WriteTags, input.Tags, wav, partial));
    const bool encoded = run.Succeeded && QFileInfo(partial).size() > 0 && ReplaceFile(partial, mp3);
    if (!encoded) {
        QFile::remove(partial);
        return {false, run.Started ? QString() : QString("Error starting encoding!")};
    }
    QFile::remove(wav);
    return {true, {}};
}
