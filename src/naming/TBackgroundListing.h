#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

// One sound file found: its full path as the system spells it (bytes, not always UTF-8) and
// where its name starts in it.
struct TListedFile {
    QByteArray path;
    qsizetype nameStart;
};

// Lists the sound files ("*.wav", "*.mp3", "*.aif", letter case ignored) of one folder, not its
// subfolders, on a thread of its own, so that the caller can turn the first files into records
// while later ones are still being read. Only files are listed, never folders, and no hidden
// ones. Names are read as bytes: a name that is no valid UTF-8 is listed like any other.
class TBackgroundListing {
public:
    // Starts listing `folder` (its bytes). A folder that is not there lists nothing; one that
    // cannot be read makes Take throw, once the files read before are taken.
    explicit TBackgroundListing(const QByteArray& folder);
    // Waits for the listing to end.
    ~TBackgroundListing();
    TBackgroundListing(const TBackgroundListing&) = delete;
    TBackgroundListing& operator=(const TBackgroundListing&) = delete;

    // The next `count` files, in the order the system lists them; fewer only at the end, none
    // once everything was taken. Waits while they are still being read.
    std::vector<TListedFile> Take(size_t count);

private:
    static constexpr size_t HandOverBatch = 256;

    void Run(const QByteArray& folder);
    void HandOver(std::vector<TListedFile>& batch);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<TListedFile> found_; // listed and not yet taken
    size_t wanted_ = std::numeric_limits<size_t>::max(); // files Take waits for
    bool done_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};
