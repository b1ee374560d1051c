#include "cdimport/TCdImageWriter.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <random>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

QByteArray TCdImageWriter::SineSectors(int sectors, double frequency) {
    const int frames = sectors * SectorBytes / 4;
    QByteArray samples(qsizetype(frames) * 4, Qt::Uninitialized);
    char* out = samples.data();
    for (int frame = 0; frame < frames; ++frame, out += 4) {
        const auto left = qint16(12000 * std::sin(2 * std::numbers::pi * frequency * frame / 44100));
        qToLittleEndian(left, out);
        qToLittleEndian(qint16(-left / 2), out + 2);
    }
    return samples;
}

QByteArray TCdImageWriter::NoiseSectors(int sectors, quint32 seed) {
    std::mt19937 random(seed);
    QByteArray samples(qsizetype(sectors) * SectorBytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); i += 4)
        qToLittleEndian(quint32(random()), samples.data() + i);
    return samples;
}

QString TCdImageWriter::CueTime(int sector) {
    return QString::asprintf("%02d:%02d:%02d", sector / (75 * 60), sector / 75 % 60, sector % 75);
}

QByteArray TCdImageWriter::Write(const QString& folder, const QString& name,
                                 const QList<TTrack>& tracks) {
    QByteArray bin;
    QString cue = QString("FILE \"%1.bin\" BINARY\n").arg(name);
    for (int i = 0; i < tracks.size(); ++i) {
        const TTrack& track = tracks[i];
        cue += QString::asprintf("  TRACK %02d %s\n", i + 1, track.IsData ? "MODE1/2352" : "AUDIO");
        cue += "    INDEX 01 " + CueTime(int(bin.size() / SectorBytes)) + "\n";
        if (track.IsData)
            bin += QByteArray(qsizetype(track.Sectors) * SectorBytes, '\x5a');
        else if (track.NoiseSeed != 0)
            bin += NoiseSectors(track.Sectors, track.NoiseSeed);
        else
            bin += SineSectors(track.Sectors, track.Frequency);
    }
    QDir().mkpath(folder);
    WriteFile(folder + "/" + name + ".bin", bin);
    WriteFile(folder + "/" + name + ".cue", cue.toLatin1());
    return bin;
}
