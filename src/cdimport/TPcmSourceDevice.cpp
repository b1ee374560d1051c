#include "cdimport/TPcmSourceDevice.h"

TPcmSourceDevice::TPcmSourceDevice(IPcmSource& source, QObject* parent)
    : QIODevice(parent), source_(source) {}

qint64 TPcmSourceDevice::bytesAvailable() const {
    const qint64 left = source_.IsActive() ? source_.Length() - source_.Position() : 0;
    return QIODevice::bytesAvailable() + left;
}

bool TPcmSourceDevice::atEnd() const { return QIODevice::atEnd() && !source_.IsActive(); }

qint64 TPcmSourceDevice::readData(char* data, qint64 maxSize) {
    const qint64 count = source_.Read(data, maxSize);
    // A read error ends playback quietly, as the end of the track would.
    return count < 0 ? 0 : count;
}

qint64 TPcmSourceDevice::writeData(const char*, qint64) { return -1; }
