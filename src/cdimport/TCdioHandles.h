#pragma once

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <memory>

// Owning handles for libcdio objects, so that no early return or exception leaks one.

struct TCdioCloser {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using TCdioHandle = std::unique_ptr<CdIo_t, TCdioCloser>;

// The paranoia drive borrows the CdIo_t; closing it leaves the CdIo_t to its own handle.
struct TCddaCloser {
    void operator()(cdrom_drive_t* drive) const { cdio_cddap_close_no_free_cdio(drive); }
};
using TCddaHandle = std::unique_ptr<cdrom_drive_t, TCddaCloser>;

struct TParanoiaCloser {
    void operator()(cdrom_paranoia_t* paranoia) const { cdio_paranoia_free(paranoia); }
};
using TParanoiaHandle = std::unique_ptr<cdrom_paranoia_t, TParanoiaCloser>;
