#include "cdimport/TDitheredQuantizer.h"

#include <algorithm>
#include <cmath>

TDitheredQuantizer::TDitheredQuantizer(int bitDepth, int channels)
    : bitDepth_(bitDepth), channels_(channels) {}

bool TDitheredQuantizer::Write(SNDFILE* file, const double* samples, sf_count_t frames) {
    switch (bitDepth_) {
    case 8:
    case 16: return WriteShorts(file, samples, frames);
    case 24: return WriteInts(file, samples, frames);
    default: return sf_writef_double(file, samples, frames) == frames;
    }
}

// 8-bit samples travel in the high byte of a short; the library makes them unsigned.
bool TDitheredQuantizer::WriteShorts(SNDFILE* file, const double* samples, sf_count_t frames) {
    const double scale = bitDepth_ == 8 ? 128.0 : 32768.0;
    const int shift = bitDepth_ == 8 ? 8 : 0;
    const size_t count = size_t(frames) * channels_;
    shorts_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const long value = std::lrint(samples[i] * scale + Tpdf());
        shorts_[i] = short(std::clamp(value, long(-scale), long(scale) - 1) << shift);
    }
    return sf_writef_short(file, shorts_.data(), frames) == frames;
}

// 24-bit samples travel in the high three bytes of an int.
bool TDitheredQuantizer::WriteInts(SNDFILE* file, const double* samples, sf_count_t frames) {
    constexpr double scale = 8388608.0;
    const size_t count = size_t(frames) * channels_;
    ints_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const long value = std::lrint(samples[i] * scale);
        ints_[i] = int(std::clamp(value, long(-scale), long(scale) - 1) * 256);
    }
    return sf_writef_int(file, ints_.data(), frames) == frames;
}

double TDitheredQuantizer::Tpdf() { return Uniform() - Uniform(); }

// xorshift64: fast, and the same noise on every run.
double TDitheredQuantizer::Uniform() {
    random_ ^= random_ << 13;
    random_ ^= random_ >> 7;
    random_ ^= random_ << 17;
    return double(random_ >> 11) * 0x1.0p-53;
}
