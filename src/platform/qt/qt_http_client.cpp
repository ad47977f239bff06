#include "platform/qt/qt_http_client.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace lumeris {

namespace {

// The same wording as the core's report of a scheme file that could not be written.
QString cannotWrite(const QFile& file) {
    return QCoreApplication::translate("Files", "Cannot write %1: %2")
        .arg(file.fileName(), file.errorString());
}

} // namespace

QtHttpClient::QtHttpClient() {
    manager_.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

// The reply goes with the manager; its signals must not reach a half-destroyed client.
QtHttpClient::~QtHttpClient() {
    if (reply_) {
        reply_->disconnect();
        reply_->abort();
    }
}

void QtHttpClient::get(const std::string& url, const std::string& path, Finished finished) {
    abort();
    finished_ = std::move(finished);
    writeError_.clear();
    file_.setFileName(QString::fromStdString(path));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(cannotWrite(file_));

    QNetworkRequest request(QUrl::fromUserInput(QString::fromStdString(url)));
    request.setRawHeader("Accept", HttpAccept);
    request.setHeader(QNetworkRequest::ContentTypeHeader, HttpContentType);
    request.setHeader(QNetworkRequest::UserAgentHeader, HttpUserAgent);
    reply_ = manager_.get(request);
    QObject::connect(reply_, &QNetworkReply::readyRead, [this] { writeArrived(); });
    QObject::connect(reply_, &QNetworkReply::finished, [this] { end(); });
}

void QtHttpClient::writeArrived() {
    if (!reply_->isReadable()) // aborted
        return;
    const QByteArray bytes = reply_->readAll();
    if (writeError_.isEmpty() && file_.write(bytes) != bytes.size()) {
        writeError_ = cannotWrite(file_);
        reply_->abort();
    }
}

void QtHttpClient::end() {
    writeArrived();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    file_.close();
    HttpOutcome outcome;
    outcome.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    outcome.ok = reply->error() == QNetworkReply::NoError && writeError_.isEmpty();
    if (!outcome.ok)
        outcome.error = (writeError_.isEmpty() ? reply->errorString() : writeError_).toStdString();
    Finished finished = std::move(finished_);
    finished_ = nullptr;
    if (finished)
        finished(outcome);
}

void QtHttpClient::fail(const QString& error) {
    Finished finished = std::move(finished_);
    finished_ = nullptr;
    if (finished)
        finished({false, 0, error.toStdString()});
}

void QtHttpClient::abort() {
    if (reply_)
        reply_->abort();
}

} // namespace lumeris
