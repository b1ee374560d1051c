#include "cdimport/TSoxrConverter.h"

#include "cdimport/TDitheredQuantizer.h"

#include <QFile>

#include <sndfile.h>
#include <soxr.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {
constexpr sf_count_t blockFrames = 16384;

struct TSndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using TSndFile = std::unique_ptr<SNDFILE, TSndFileCloser>;

struct TSoxrDeleter {
    void operator()(soxr_t resampler) const { soxr_delete(resampler); }
};
using TSoxr = std::unique_ptr<std::remove_pointer_t<soxr_t>, TSoxrDeleter>;

int SubtypeFor(int bitDepth) {
    switch (bitDepth) {
    case 8: return SF_FORMAT_PCM_U8;
    case 16: return SF_FORMAT_PCM_16;
    case 24: return SF_FORMAT_PCM_24;
    case 32: return SF_FORMAT_FLOAT;
    case 64: return SF_FORMAT_DOUBLE;
    default: return 0;
    }
}

QString SndFileError(SNDFILE* file, const QString& path) {
    return QString("%1: %2").arg(path, QString::fromLocal8Bit(sf_strerror(file)));
}

// One conversion from an open source into an open destination.
class TConversion {
public:
    TConversion(SNDFILE* source, const SF_INFO& sourceInfo, SNDFILE* destination,
                const SF_INFO& destinationInfo, int bitDepth)
        : source_(source), destination_(destination), channels_(sourceInfo.channels),
          totalFrames_(sourceInfo.frames), quantizer_(bitDepth, sourceInfo.channels),
          ratio_(double(destinationInfo.samplerate) / sourceInfo.samplerate),
          input_(size_t(blockFrames) * channels_),
          output_((size_t(std::ceil(blockFrames * ratio_)) + 256) * channels_) {}

    // Empty on success.
    QString Run(soxr_t resampler, const TSoxrConverter::TProgress& progress) {
        qint64 framesRead = 0;
        for (;;) {
            const sf_count_t frames = sf_readf_double(source_, input_.data(), blockFrames);
            if (frames < 0)
                return "read error";
            if (frames == 0)
                return Drain(resampler);
            if (QString error = Feed(resampler, input_.data(), size_t(frames)); !error.isEmpty())
                return error;
            framesRead += frames;
            if (progress)
                progress(framesRead, totalFrames_);
        }
    }

private:
    QString Feed(soxr_t resampler, const double* input, size_t frames) {
        while (frames > 0) {
            size_t consumed = 0;
            size_t produced = 0;
            if (soxr_error_t error = soxr_process(resampler, input, frames, &consumed, output_.data(),
                                                  output_.size() / channels_, &produced))
                return error;
            if (!Write(produced))
                return "write error";
            input += consumed * channels_;
            frames -= consumed;
        }
        return {};
    }

    // Ends the input and writes what the resampler still holds.
    QString Drain(soxr_t resampler) {
        for (;;) {
            size_t produced = 0;
            if (soxr_error_t error = soxr_process(resampler, nullptr, 0, nullptr, output_.data(),
                                                  output_.size() / channels_, &produced))
                return error;
            if (produced == 0)
                return {};
            if (!Write(produced))
                return "write error";
        }
    }

    bool Write(size_t frames) {
        return frames == 0 || quantizer_.Write(destination_, output_.data(), sf_count_t(frames));
    }

    SNDFILE* source_;
    SNDFILE* destination_;
    int channels_;
    qint64 totalFrames_;
    TDitheredQuantizer quantizer_;
    double ratio_;
    std::vector<double> input_;
    std::vector<double> output_;
};

TSoxr CreateResampler(double inputRate, double outputRate, int channels, QString& error) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    soxr_error_t soxrError = nullptr;
    TSoxr resampler(soxr_create(inputRate, outputRate, unsigned(channels), &soxrError, &io,
                                &quality, nullptr));
    if (soxrError)
        error = soxrError;
    return resampler;
}

QString ConvertOpenSource(SNDFILE* source, const SF_INFO& sourceInfo, const QString& destination,
                          int sampleRate, int bitDepth, const TSoxrConverter::TProgress& progress) {
    SF_INFO destinationInfo{};
    destinationInfo.samplerate = sampleRate;
    destinationInfo.channels = sourceInfo.channels;
    destinationInfo.format = SF_FORMAT_WAV | SubtypeFor(bitDepth);
    SNDFILE* destinationFile = sf_open(QFile::encodeName(destination).constData(), SFM_WRITE,
                                       &destinationInfo);
    if (!destinationFile)
        return SndFileError(nullptr, destination);

    QString error;
    TSoxr resampler = CreateResampler(sourceInfo.samplerate, sampleRate, sourceInfo.channels, error);
    if (error.isEmpty())
        error = TConversion(source, sourceInfo, destinationFile, destinationInfo, bitDepth)
                    .Run(resampler.get(), progress);
    // Closing writes the final header, so its failure fails the conversion too.
    if (sf_close(destinationFile) != 0 && error.isEmpty())
        error = QString("%1: cannot complete the file").arg(destination);
    return error;
}
} // namespace

bool TSoxrConverter::IsSupportedDepth(int bitDepth) { return SubtypeFor(bitDepth) != 0; }

QString TSoxrConverter::Convert(const QString& source, const QString& destination, int sampleRate,
                                int bitDepth, const TProgress& progress) {
    if (!IsSupportedDepth(bitDepth))
        return QString("Unsupported bit depth: %1").arg(bitDepth);
    if (sampleRate <= 0)
        return QString("Unsupported sample rate: %1").arg(sampleRate);

    SF_INFO sourceInfo{};
    TSndFile sourceFile(sf_open(QFile::encodeName(source).constData(), SFM_READ, &sourceInfo));
    if (!sourceFile)
        return SndFileError(nullptr, source);

    QString error = ConvertOpenSource(sourceFile.get(), sourceInfo, destination, sampleRate,
                                      bitDepth, progress);
    if (!error.isEmpty())
        QFile::remove(destination);
    return error;
}
