// A tiny HTTP server on 127.0.0.1 for the address tests: it records each request's head and
// answers every request with `response`, or never answers while `response` is empty.
#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace lumeris::test {

class LoopbackServer {
  public:
    QByteArray response;
    QList<QByteArray> requests;

    LoopbackServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                serve(socket);
        });
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    static QByteArray answer(const QByteArray& status, const QByteArray& body,
                             const QByteArray& headers = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + headers + "\r\n" + body;
    }

  private:
    void serve(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray& head = heads_[socket];
            head += socket->readAll();
            if (!head.contains("\r\n\r\n") || response.isEmpty())
                return;
            requests.append(head);
            socket->write(response);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> heads_;
};

} // namespace lumeris::test
