#pragma once

#include <QFileInfo>
#include <QString>

// A track an import could not finish, with the reason, for one report when the import ends;
// without a path, a note for the same report ("Track 3 is a data track and was not ripped").
struct TImportFailure {
    QString Path;   // the sound's file
    QString Reason; // in the user's words
    QString KeptAs; // where the ripped audio is when it is not under Path; empty otherwise

    // "Track 02.mp3: Error starting encoding! (the ripped audio is kept as "Track 02.wav")"
    QString Text() const {
        if (Path.isEmpty())
            return Reason;
        QString text = QFileInfo(Path).fileName() + ": " + Reason;
        if (!KeptAs.isEmpty() && KeptAs != Path)
            text += QString(" (the ripped audio is kept as \"%1\")").arg(QFileInfo(KeptAs).fileName());
        return text;
    }
};
