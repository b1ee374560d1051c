#include "ui/TsdxCDListItem.h"

#include "app/tsound.h"

bool TsdxCDListItem::IsJobStatus(TSoundStatus status) {
    switch (status) {
    case ssRipping:
    case ssConverting:
    case ssWaiting:
    case ssNeedConvert:
    case ssDone:
        return true;
    default:
        return false;
    }
}

QString TsdxCDListItem::JobStateText(const tsound& sound, quint8& dotCount) {
    switch (sound.Status) {
    case ssRipping:
        return QStringLiteral("Ripping.. ") + QString::number(sound.CopyCount) + '%';
    case ssConverting: {
        if (sound.CopyCount > 0)
            return QStringLiteral("Converting.. ") + QString::number(sound.CopyCount) + '%';
        const int dots = dotCount % 5 + 1;
        dotCount = quint8(dots % 5);
        return QStringLiteral("Converting") + QString(dots, '.') + ' ';
    }
    case ssWaiting:
        return QStringLiteral("Waiting.. ");
    case ssNeedConvert:
        return QStringLiteral("Waiting for converting ");
    case ssDone:
        return QStringLiteral("Done ");
    default:
        return QString();
    }
}

int TsdxCDListItem::JobStateTextPointSize(TSoundStatus status) {
    return status == ssRipping || status == ssConverting ? 12 : 8;
}

QString TsdxCDListItem::TagSummary(const TmyID3tag& tag) {
    QString summary = tag.Artist;
    if (tag.Artist.isEmpty() && !tag.Band.isEmpty())
        summary = QStringLiteral(" - ") + tag.Band;
    if (!tag.Album.isEmpty())
        summary += QStringLiteral(" - ") + tag.Album;
    return summary;
}

namespace {
QString WithRipReport(QString line, const tsound& sound) {
    if (!sound.RipReport.isEmpty())
        line += QStringLiteral("   ") + sound.RipReport;
    return line;
}
} // namespace

QString TsdxCDListItem::ExpandedLine(const tsound& sound) {
    return WithRipReport(sound.ID3.Year + QStringLiteral("   ") + sound.ID3.Genre, sound);
}

QString TsdxCDListItem::DoneFileLine(const tsound& sound) {
    return WithRipReport(QStringLiteral("File: ") + sound.path, sound);
}
