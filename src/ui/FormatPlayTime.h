#pragma once

#include <QString>

// The player's elapsed-time text: "mm:ss", "hh:mm:ss" from an hour on, and whole milliseconds
// ("250 ms") below one second. Negative or unknown times count as 0.
QString FormatPlayTime(float seconds);

// The preview volume of a slider position 0..100: the cube of its fraction, so that the slider
// feels even to the ear (70 gives 0.343).
float PreviewVolume(int position);
