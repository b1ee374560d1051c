#include "services/TCurlHttpClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {
struct TAnswerBuffer {
    QByteArray body;
    qsizetype limit = 0;
    bool tooLarge = false;
};

size_t CollectAnswer(char* data, size_t size, size_t count, void* target) {
    auto* buffer = static_cast<TAnswerBuffer*>(target);
    const size_t bytes = size * count;
    if (buffer->body.size() + qsizetype(bytes) > buffer->limit) {
        buffer->tooLarge = true;
        return 0; // makes curl end the transfer with a write error
    }
    buffer->body.append(data, qsizetype(bytes));
    return bytes;
}

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TCurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct TListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

QString TransferError(CURLcode code, const char* details, const TAnswerBuffer& buffer) {
    if (buffer.tooLarge)
        return QString("The server's answer is larger than %1 MB").arg(buffer.limit / (1024 * 1024));
    const QString text = QString::fromUtf8(details);
    return text.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : text;
}
} // namespace

TCurlHttpClient::TCurlHttpClient(std::chrono::milliseconds connectTimeout,
                                 std::chrono::milliseconds requestTimeout, qsizetype answerLimit)
    : connectTimeout_(connectTimeout), requestTimeout_(requestTimeout), answerLimit_(answerLimit) {
    InitialiseCurlOnce();
}

THttpReply TCurlHttpClient::Send(const THttpRequest& request) {
    THttpReply reply;
    std::unique_ptr<CURL, TCurlDeleter> curl(curl_easy_init());
    if (!curl) {
        reply.Outcome = TResult::Error("Cannot start an HTTP request");
        return reply;
    }
    CURL* handle = curl.get();
    char details[CURL_ERROR_SIZE] = {};
    TAnswerBuffer buffer;
    buffer.limit = answerLimit_;
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, details);
    curl_easy_setopt(handle, CURLOPT_URL, request.Url.constData());
    // The target goes out byte for byte as the caller built it.
    curl_easy_setopt(handle, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(connectTimeout_.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(requestTimeout_.count()));
    curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, CollectAnswer);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &buffer);

    curl_slist* rawHeaders = curl_slist_append(nullptr, "Expect:");
    for (const auto& [name, value] : request.Headers)
        rawHeaders = curl_slist_append(rawHeaders, (name + ": " + value).constData());
    std::unique_ptr<curl_slist, TListDeleter> headers(rawHeaders);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    if (request.Method == "POST") {
        curl_easy_setopt(handle, CURLOPT_POST, 1L);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, long(request.Body.size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.Body.constData());
    } else if (request.Method != "GET") {
        curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request.Method.constData());
    }

    const CURLcode code = curl_easy_perform(handle);
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    reply.Status = int(status);
    if (code != CURLE_OK) {
        reply.Outcome = TResult::Error(TransferError(code, details, buffer));
    } else if (status < 200 || status > 299) {
        reply.Outcome = TResult::Error(QString("The server answered with HTTP status %1").arg(status));
    } else {
        reply.Body = std::move(buffer.body);
    }
    return reply;
}
