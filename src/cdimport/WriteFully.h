#pragma once

#include "app/TResult.h"

#include <QtGlobal>

class QFileDevice;

// Writes all `size` bytes, going on after a short write: a disk that fills up takes part of a
// block first and only the next write reports why. The error names the file and the system's
// reason, "Cannot write file "<name>". No space left on device".
TResult WriteFully(QFileDevice& file, const char* data, qint64 size);
// The same error text for a write that failed elsewhere.
TResult WriteError(const QFileDevice& file);
