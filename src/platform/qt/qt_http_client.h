// The HTTP client of the main window (IdHTTP1): Qt's network access on the window thread.
#pragma once

#include "platform/http_client.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QPointer>

class QNetworkReply;

namespace lumeris {

// Cookies live in memory as long as the client does; no proxy, no read time-out. One
// transfer at a time: a GET while one is pending ends the earlier one first.
class QtHttpClient : public HttpClient {
  public:
    QtHttpClient();
    ~QtHttpClient() override;

    void get(const std::string& url, const std::string& path, Finished finished) override;
    void abort() override;

  private:
    void writeArrived();
    void end();
    void fail(const QString& error);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QFile file_;
    Finished finished_;
    QString writeError_;
};

} // namespace lumeris
