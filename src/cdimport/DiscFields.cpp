#include "cdimport/DiscFields.h"

#include "app/TSoundList.h"
#include "app/tsound.h"

namespace {
const char* const descriptionTemplate = "%SoundDescription;";

void FillIfEmpty(QString& text, const char* value) {
    if (text.isEmpty())
        text = value;
}
} // namespace

void ApplySfxFields(TSoundList& sounds, const TSfxDiscFields& fields) {
    for (tsound* sound : sounds) {
        TmyID3tag& id3 = sound->ID3;
        id3.Title = sound->Description;
        id3.Comment = sound->Description;
        id3.Artist = fields.Series;
        id3.Album = fields.CD;
        id3.Publisher = fields.Publisher;
        id3.HasTag = id3.ComputeHasTag();
        if (fields.Broadcast) {
            FillIfEmpty(sound->bwav, descriptionTemplate);
            FillIfEmpty(sound->bWav2, "%Publisher;");
            FillIfEmpty(sound->bWav3, "%CD;");
        } else {
            sound->bwav.clear();
        }
    }
}

void ApplyMusicFields(TSoundList& sounds, const TMusicDiscFields& fields) {
    for (tsound* sound : sounds) {
        TmyID3tag& id3 = sound->ID3;
        id3.Title = sound->Description;
        id3.Artist = fields.Artist;
        id3.Album = fields.Album;
        id3.Year = fields.Year;
        id3.Genre = fields.Genre;
        id3.GenreText = fields.Genre;
        id3.Disc = fields.Disc;
        id3.HasTag = id3.ComputeHasTag();
        if (fields.Broadcast)
            FillIfEmpty(sound->bwav, descriptionTemplate);
        else
            sound->bwav.clear();
    }
}
