#pragma once

#include <string>
#include <vector>

// One CD of the database: who made it, its series and title, its language, its track names
// and the disc ids linked to it.
struct TSfxCd {
    long long Id = 0; // 0 until stored
    std::string Producer;
    std::string Series;
    std::string Title;
    std::string Language;
    std::vector<std::string> TrackNames;
    std::vector<std::string> DiscIds;
};
