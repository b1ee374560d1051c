#pragma once

#include <memory>

class tsound;

// Who owns a sound record: everybody who works on it, through shared references.
//
// The window's list is replaced whenever a disc or a folder changes, and that can happen while
// a rip, a conversion, a batch row, an editor or the preview still use one of its records. Each
// of those keeps a TSoundRef for as long as it works, so a record is released only when the last
// of them lets go; the list itself only drops its own share. Value copies with ids were the
// other way, but a job writes its sound's state and progress while it runs and the list shows
// them live, which shared records give without any copying back. Whether a record still belongs
// to the window's list is asked of the list (TSoundList::IndexOf), never assumed from a pointer.
// The preview holds a TSoundWeakRef: it only needs the record while somebody else still lists it.
using TSoundRef = std::shared_ptr<tsound>;
using TSoundWeakRef = std::weak_ptr<tsound>;
