#pragma once

#include <QString>

// A sound's length for the list's length column: "mm:ss", "hh:mm:ss" past an hour, and the
// whole milliseconds followed by " ms" for lengths under one second.
QString FormatLength(float seconds);
