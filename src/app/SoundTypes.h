#pragma once

#include <QString>

// Where a sound stands. The ordinal values are used by the list painting and the job handler,
// so the order must not change.
enum TSoundStatus {
    ssnormal,
    sserror,
    ssplaying,
    ssCdTrack,
    ssRipping,
    ssConverting,
    ssWaiting,
    ssNeedConvert,
    ssDone,
    ssRenameTag,
};

// Audio formats. Only sfwav, sfmp3 and sfAIFF occur on a record; the others complete the tables.
enum TAudioFormat {
    sfwav,
    sfmp3,
    sfFLAC,
    sfwp,
    sfAIFF,
};

// "wav", "mp3", "flac", "wp", "aiff": the text stored in the settings.
QString AudioFormatText(TAudioFormat format);
// ".wav", ".mp3", ".flac", ".wp", ".aif": the extension given to new file names.
QString AudioFormatExtension(TAudioFormat format);
// The format whose settings text is `text` (exact match); false when there is none.
bool AudioFormatFromText(const QString& text, TAudioFormat& format);
