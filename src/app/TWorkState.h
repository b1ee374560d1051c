#pragma once

// What the program is doing, as far as replacing or emptying the sound list is concerned.
// Anything other than Idle means somebody works on the list's records or shows them to the
// user: a new disc, a new folder or a mode switch must then wait (or, while a folder is being
// listed, take over from that listing, which nobody else works on).
enum class EWorkState {
    Idle,
    Importing,           // rips and conversions of an import run
    FinishingConversion, // Cancel was pressed; the conversion that ran still writes its file
    BatchRunning,        // a rename and tag batch, or its report
    QuestionOpen,        // a question or an editor of ours is open
    ListingFolder,       // a folder is read on a worker; its records are not in the list yet
};

// What the window's status line says after Cancel until the running conversion has ended.
inline constexpr const char* FinishingConversionText =
    "The last conversion is finishing its file. Please wait a moment.";

// Marks, while it lives, that a modal question or editor of ours is open. A real box spins an
// event loop in which timers, sockets and queued calls run; whatever they would do to the list
// must wait until the box is closed. Nests.
class TModalScope {
public:
    TModalScope();
    ~TModalScope();
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

    // Any scope open on the GUI thread.
    static bool AnyOpen();
};
