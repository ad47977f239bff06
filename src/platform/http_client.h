// The HTTP client, injected so that tests reach a real server on the loopback address.
#pragma once

#include <functional>
#include <string>

namespace lumeris {

// What every request sends.
inline constexpr const char* HttpAccept = "text/html, */*";
inline constexpr const char* HttpContentType = "text/html";
inline constexpr const char* HttpUserAgent = "Mozilla/3.0 (compatible; Lumeris1.5)";

struct HttpOutcome {
    bool ok = false;
    int status = 0;    // the response's status code; 0 when no response came
    std::string error; // the client's own text of the failure (UTF-8)
};

class HttpClient {
  public:
    using Finished = std::function<void(const HttpOutcome&)>;
    virtual ~HttpClient() = default;
    // Starts a GET of `url` (UTF-8) whose body goes into the file `path`, created or replaced.
    // `finished` is called once, when the transfer has ended, from the window's message
    // processing; it may be called before get returns when the transfer cannot start.
    virtual void get(const std::string& url, const std::string& path, Finished finished) = 0;
    // Ends a pending transfer at once; its `finished` reports the failure.
    virtual void abort() = 0;
};

} // namespace lumeris
