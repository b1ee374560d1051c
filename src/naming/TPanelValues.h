#pragma once

#include <QString>

// What the rename/tag panel holds for a batch: the metadata for the whole folder, whether
// files are renamed and which tags are written.
struct TPanelValues {
    QString Series;
    QString CD;
    QString Publisher;
    bool DoRename = true;
    bool DoBwav = false;
    bool DoID3 = false;
    bool DoiXML = false;

    bool WritesTags() const { return DoBwav || DoID3 || DoiXML; }
    bool operator==(const TPanelValues&) const = default;
};
