#pragma once

#include <QString>

// The templates a tag preset stores: the three bext texts and the iXML text. The ID3 fields
// are not part of a preset.
struct TTagPresetFields {
    QString Description; // bext Description template
    QString Originator;  // bext Originator template
    QString Reference;   // bext OriginatorReference template
    QString Ixml;        // iXML template
};
