// Tags a 1 MB and a 2 GB (sparse) WAV file with all three kinds and prints the time of one
// WriteTags for each: the walk reads chunk headers only, so the two should be close. Then the
// refusal of a 64 MB file whose header was never finished (data size 0, silence after it),
// which must cost no more than a good write.
#include "app/tsound.h"
#include "tags/TTagger.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {
constexpr int repetitions = 300;

QByteArray UInt32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// "RIFF", "WAVE", a 16-bit stereo "fmt " chunk and the header of a "data" chunk of `dataSize`.
QByteArray Header(quint32 dataSize) {
    const QByteArray format = QByteArray::fromHex("010002004" "4ac0000" "10b10200" "04001000");
    const QByteArray chunks = "fmt " + UInt32(16) + format + "data" + UInt32(dataSize);
    return "RIFF" + UInt32(quint32(4 + chunks.size() + dataSize)) + "WAVE" + chunks;
}

// Writes the header and sets the length; the audio is a hole that reads as silence.
// `declaredSize` is what the "data" chunk says it holds.
void MakeWav(const QString& path, quint32 dataSize, quint32 declaredSize) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Header(declaredSize)) != 44 ||
        !file.resize(44 + qint64(dataSize))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

tsound Sound(const QString& path) {
    tsound sound;
    sound.path = path;
    sound.ID3.Title = "Rain on a tin roof";
    sound.ID3.Artist = "Nature";
    sound.ID3.Comment = "Recorded at night";
    sound.bwav = "Rain on a tin roof, heavy";
    sound.bWav2 = "Acme";
    sound.bWav3 = "Birds 2";
    sound.XMLdata = "<BWFXML><NOTE>Rain on a tin roof, heavy</NOTE></BWFXML>";
    return sound;
}

// Median and mean microseconds of one WriteTags; the file is cut back to its first state
// (outside the timing) before every write so each repetition does the same work.
void Measure(const char* label, const QString& path, quint32 dataSize, quint32 declaredSize) {
    const bool damaged = declaredSize != dataSize;
    MakeWav(path, dataSize, declaredSize);
    TTagger tagger;
    tagger.WriteID3 = tagger.WriteBwav = tagger.WriteIXML = true;
    const tsound sound = Sound(path);
    std::vector<double> micros;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (tagger.WriteTags(sound).IsOk() == damaged)
            std::abort();
        micros.push_back(timer.nsecsElapsed() / 1000.0);
        MakeWav(path, dataSize, declaredSize);
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (double m : micros)
        sum += m;
    std::printf("%-14s median %8.1f us   mean %8.1f us   min %8.1f us   (%d calls, id3+bext+iXML)\n",
                label, micros[micros.size() / 2], sum / micros.size(), micros.front(), repetitions);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Measure("1 MB WAV", dir.filePath("small.wav"), 1u << 20, 1u << 20);
    Measure("2 GB WAV", dir.filePath("large.wav"), 2u << 30, 2u << 30);
    Measure("64 MB damaged", dir.filePath("damaged.wav"), 64u << 20, 0);
    return 0;
}
