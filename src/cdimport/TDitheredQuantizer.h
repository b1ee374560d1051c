#pragma once

#include <sndfile.h>

#include <cstdint>
#include <vector>

// Writes samples of full scale ±1.0 into a sound file of 8, 16, 24, 32 or 64 bits. Integer
// samples are rounded and clipped here; 8 and 16-bit samples get TPDF dither of ±1 step first,
// so the rounding error becomes plain noise instead of distortion.
class TDitheredQuantizer {
public:
    TDitheredQuantizer(int bitDepth, int channels);

    // False when the file took fewer frames than given.
    bool Write(SNDFILE* file, const double* samples, sf_count_t frames);

private:
    bool WriteShorts(SNDFILE* file, const double* samples, sf_count_t frames);
    bool WriteInts(SNDFILE* file, const double* samples, sf_count_t frames);
    // Triangular noise in (-1, 1) steps: the difference of two uniform values.
    double Tpdf();
    double Uniform();

    int bitDepth_;
    int channels_;
    std::uint64_t random_ = 0x9E3779B97F4A7C15ull;
    std::vector<short> shorts_;
    std::vector<int> ints_;
};
