#pragma once

#include "cdimport/IEncoderProgram.h"
#include "cdimport/TConversionStage.h"

#include <memory>

// Encodes each ripped file into an MP3. The ripper writes WAV data under the MP3's name; the
// stage renames it to ".wav", lets the encoder write "<path>_" and puts that in place. When the
// encoder cannot start or fails, the ripped audio stays on disk under the ".wav" name.
class TLameEnc : public TConversionStage {
    Q_OBJECT
public:
    explicit TLameEnc(std::unique_ptr<IEncoderProgram> program, QObject* parent = nullptr);
    ~TLameEnc() override;

    // The encoder's arguments; a bit rate of 0 is sent as 256.
    static QStringList Arguments(int bitRate, bool writeTags, const TmyID3tag& tags,
                                 const QString& wavName, const QString& mp3Name);
    // `path` with its extension replaced by ".wav".
    static QString WavNameFor(const QString& path);

protected:
    TConversionResult Convert(const TConversionInput& input) override;

private:
    std::unique_ptr<IEncoderProgram> program_;
};
