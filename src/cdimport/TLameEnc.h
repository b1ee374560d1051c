#pragma once

#include "cdimport/IEncoderProgram.h"
#include "cdimport/TConversionStage.h"

#include <memory>

// Encodes each ripped file into an MP3. The ripper writes an intermediate WAV of the import's
// own ("Track 02.mp3.rip.wav"); the encoder writes the MP3 under a side name of a free name,
// which the job handler puts in place, and the intermediate is removed once the MP3 is whole.
// When the encoder cannot start or fails, the ripped audio stays on disk under a ".wav" name
// nothing had before. No file the import did not make is deleted or replaced.
class TLameEnc : public TConversionStage {
    Q_OBJECT
public:
    explicit TLameEnc(std::unique_ptr<IEncoderProgram> program, QObject* parent = nullptr);
    ~TLameEnc() override;

    // The encoder's arguments; a bit rate of 0 is sent as 256. Tags with an empty value are left
    // out: lame would write an empty frame, or for TCON its genre number 0, "Blues".
    static QStringList Arguments(int bitRate, bool writeTags, const TmyID3tag& tags,
                                 const QString& wavName, const QString& mp3Name);
    // `path` with its extension replaced by ".wav".
    static QString WavNameFor(const QString& path);
    // A free name for the rip of the MP3 `mp3Path`: "<mp3Path>.rip.wav", numbered if taken.
    static QString RipNameFor(const QString& mp3Path);
    // Moves the rip of an MP3 that will not be made to the free form of its ".wav" name and
    // returns where the audio is now.
    static QString KeepRipAsWav(const QString& ripPath, const QString& mp3Path);

protected:
    TConversionResult Convert(const TConversionInput& input) override;

private:
    static TConversionResult Failed(const QString& reason, const TConversionInput& input);

    std::unique_ptr<IEncoderProgram> program_;
};
