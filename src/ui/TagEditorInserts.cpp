#include "ui/TagEditorInserts.h"

const std::vector<std::pair<QString, QString>>& TemplatePlaceholders() {
    static const std::vector<std::pair<QString, QString>> entries = {
        {"Description", "%SoundDescription;"}, {"Title", "%Title;"},
        {"SFX Publisher", "%Publisher;"},       {"SFX series", "%Series;"},
        {"SFX CD", "%CD;"},                     {"Artist", "%Artist;"},
        {"Album", "%Album;"},                   {"Track number", "%TrackNr;"},
        {"Disc number", "%Disc;"},              {"Label", "%Label;"},
        {"Year", "%Year;"},
    };
    return entries;
}

const QStringList& IxmlTags() {
    static const QStringList tags = {"<NOTE>", "<PROJECT>", "<SCENE>",   "<TAKE>",
                                     "<TAPE>", "<CIRCLED>", "<NO_GOOD>", "<FILE_UID>"};
    return tags;
}

const QStringList& IxmlTrackListTags() {
    static const QStringList tags = {"<TRACK_LIST>",       "<TRACK_COUNT>", "<TRACK>",
                                     "<CHANNEL_INDEX>",    "<INTERLEAVE_INDEX>",
                                     "<NAME>",             "<FUNCTION>"};
    return tags;
}

TIxmlInsertion IxmlTagInsertion(const QString& tag) {
    QString closing = tag;
    closing.replace(QLatin1Char('<'), QLatin1String("</"));
    return {QLatin1Char('\n') + tag + closing + QLatin1Char('\n'), int(tag.size()) + 1};
}
