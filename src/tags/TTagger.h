#pragma once

#include "app/TResult.h"

#include <QByteArray>

class tsound;
struct TmyID3tag;

// Writes the enabled tags (an ID3v2.4 tag in an "id3 " chunk, a Broadcast-WAV "bext" chunk,
// an "iXML" chunk, in that order) into a sound's WAV file in place. The bext and iXML texts are
// the sound's templates expanded at this moment; the record keeps its templates. Nothing is
// shown here: a file that is refused (cannot be opened, no WAV, damaged) gives one error
// whatever the number of kinds asked; once the file is accepted, each failing step adds its
// error to the result and does not keep the later ones from running.
class TTagger {
public:
    bool WriteID3 = false;
    bool WriteBwav = false;
    bool WriteIXML = false;

    // Only WAV sounds are touched; any other format is skipped without opening the file.
    // Writes into the sound's own file, opened by its bytes on disk.
    TResult WriteTags(const tsound& sound) const;
    // The same into another file, `diskPath` as the bytes of its name: a side file that is
    // tagged before it is moved into the sound's place.
    TResult WriteTagsTo(const tsound& sound, const QByteArray& diskPath) const;

    // The ID3v2.4.0 tag of `tag`: header, then the non-empty frames, no padding. Plain ASCII
    // texts are written with text encoding 0, any other text as UTF-8 (encoding 3). Year and
    // date make one "TDRC" frame: "yyyy", or "yyyy-MM-dd" when `Date` holds a valid DDMM.
    // Throws EAppError "Frame Size too big (<n>Bytes)" for a frame or tag over 16,777,215 bytes.
    static QByteArray BuildId3Tag(const TmyID3tag& tag);
    // `value` (0 .. 0xFFFFFF) as four 7-bit bytes, most significant first.
    static QByteArray EncodeSyncsafe(quint32 value);
};
