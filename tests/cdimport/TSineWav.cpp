#include "cdimport/TSineWav.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

bool TSineWav::Write(const QString& path, int sampleRate, double seconds, double frequency) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    // In one-second blocks, so a long tone needs little memory.
    const auto frames = sf_count_t(std::llround(seconds * sampleRate));
    std::vector<double> block(size_t(sampleRate) * 2);
    bool written = true;
    for (sf_count_t start = 0; start < frames && written; start += sampleRate) {
        const sf_count_t count = std::min<sf_count_t>(sampleRate, frames - start);
        for (sf_count_t i = 0; i < count; ++i) {
            const double t = double(start + i) / sampleRate;
            block[size_t(i) * 2] = block[size_t(i) * 2 + 1] = 0.5 * std::sin(2 * std::numbers::pi * frequency * t);
        }
        written = sf_writef_double(file, block.data(), count) == count;
    }
    return sf_close(file) == 0 && written;
}

TSineWav::TInfo TSineWav::Info(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    sf_close(file);
    return {true, info.samplerate, info.channels, info.format, info.frames};
}

double TSineWav::MeasureFrequency(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return 0;
    std::vector<double> samples(size_t(info.frames) * size_t(info.channels));
    sf_readf_double(file, samples.data(), info.frames);
    sf_close(file);

    // Armed well below zero, so dither noise around a crossing counts once.
    bool armed = false;
    double first = -1;
    double last = -1;
    int crossings = 0;
    double previous = 0;
    for (sf_count_t i = 0; i < info.frames; ++i) {
        const double value = samples[size_t(i) * size_t(info.channels)];
        if (value < -0.25)
            armed = true;
        if (armed && i > 0 && previous < 0 && value >= 0) {
            const double time = (double(i - 1) + previous / (previous - value)) / info.samplerate;
            if (first < 0)
                first = time;
            last = time;
            ++crossings;
            armed = false;
        }
        previous = value;
    }
    return crossings > 1 ? (crossings - 1) / (last - first) : 0;
}
