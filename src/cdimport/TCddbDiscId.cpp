#include "cdimport/TCddbDiscId.h"

namespace {
constexpr int framesPerSecond = 75;
}

int TCddbDiscId::DigitSum(int number) {
    int sum = 0;
    for (; number > 0; number /= 10)
        sum += number % 10;
    return sum;
}

QString TCddbDiscId::Compute(const QList<int>& trackOffsets, int leadOutOffset) {
    if (trackOffsets.isEmpty())
        return {};
    int checksum = 0;
    for (int offset : trackOffsets)
        checksum += DigitSum(offset / framesPerSecond);
    const int discSeconds = leadOutOffset / framesPerSecond;
    const int playSeconds = discSeconds - trackOffsets.first() / framesPerSecond;
    const quint32 id = (quint32(checksum % 0xff) << 24) | (quint32(playSeconds) << 8) |
                       quint32(trackOffsets.size());

    QString text = QString::asprintf("%08x %d", id, int(trackOffsets.size()));
    for (int offset : trackOffsets)
        text += QString(" %1").arg(offset);
    return text + QString(" %1").arg(discSeconds);
}
