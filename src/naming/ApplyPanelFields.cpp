#include "naming/ApplyPanelFields.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/NameBuilders.h"

void ApplyPanelFields(TSoundList& sounds, const TPanelValues& panel, const TFileNameOptions& naming) {
    for (tsound* sound : sounds) {
        TmyID3tag& id3 = sound->ID3;
        id3.Title = sound->Description;
        id3.Comment = sound->Description;
        id3.Artist = panel.Series;
        id3.Album = panel.CD;
        id3.Publisher = panel.Publisher;
        id3.HasTag = id3.ComputeHasTag();
    }
    ApplyBroadcastTagRule(sounds, panel.DoBwav);
    BuildRenameNames(sounds, naming, panel.DoRename);
}

void ApplyBroadcastTagRule(TSoundList& sounds, bool broadcastTag) {
    for (tsound* sound : sounds) {
        if (!broadcastTag)
            sound->bwav.clear();
        else if (sound->bwav.isEmpty())
            sound->bwav = QStringLiteral("%SoundDescription;");
    }
}
