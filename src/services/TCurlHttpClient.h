#pragma once

#include "services/IHttpClient.h"

#include <chrono>

// HTTP through libcurl. No request may hang: the connection must stand within the connect
// time-out and the whole exchange end within the request time-out. No proxy from the
// environment is used, only http and https are spoken, and an answer larger than the limit is
// refused instead of filling the memory.
class TCurlHttpClient : public IHttpClient {
public:
    static constexpr std::chrono::milliseconds DefaultConnectTimeout{10'000};
    static constexpr std::chrono::milliseconds DefaultRequestTimeout{30'000};
    static constexpr qsizetype DefaultAnswerLimit = 64 * 1024 * 1024;

    explicit TCurlHttpClient(std::chrono::milliseconds connectTimeout = DefaultConnectTimeout,
                             std::chrono::milliseconds requestTimeout = DefaultRequestTimeout,
                             qsizetype answerLimit = DefaultAnswerLimit);

    THttpReply Send(const THttpRequest& request) override;

private:
    std::chrono::milliseconds connectTimeout_;
    std::chrono::milliseconds requestTimeout_;
    qsizetype answerLimit_;
};
