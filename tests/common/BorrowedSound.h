#pragma once

#include "app/TSoundRef.h"
#include "app/tsound.h"

// A share of a record that the test itself keeps alive (on its stack or in its own vector), for
// the places that take TSoundRef.
inline TSoundRef BorrowedSound(tsound& sound) { return TSoundRef(TSoundRef(), &sound); }
