#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A tiny HTTP server on 127.0.0.1 for tests: answers GET requests with canned pages, records
// the requested targets, and can hold answers back to keep a page busy. Never the internet.
class LocalHttpServer : public QObject {
public:
    struct Page {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
    };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    // The base address, ending in '/'.
    QUrl base() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()));
    }

    // Serves `body` for the path (without query); unknown paths get 404.
    void setPage(const QString& path, const QByteArray& body, int status = 200) {
        pages_[path] = Page{status, body, "text/html; charset=utf-8"};
    }
    void setPage(const QString& path, const Page& page) { pages_[path] = page; }

    // While held, requests are recorded but not answered.
    void hold() { holding_ = true; }
    void release() {
        holding_ = false;
        const auto waiting = held_;
        held_.clear();
        for (const auto& [socket, target] : waiting)
            if (socket)
                answer(socket, target);
    }

    QList<QUrl> requests; // path and query of every request, decoded by QUrl

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, this,
                             [this, socket] { read(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QByteArray requestLine = buffer.left(buffer.indexOf("\r\n"));
        buffers_.remove(socket);
        const QList<QByteArray> parts = requestLine.split(' ');
        const QByteArray target = parts.size() > 1 ? parts.at(1) : QByteArray("/");
        requests << QUrl::fromEncoded(target);
        if (holding_)
            held_.append({QPointer<QTcpSocket>(socket), target});
        else
            answer(socket, target);
    }

    void answer(QTcpSocket* socket, const QByteArray& target) {
        const QString path = QUrl::fromEncoded(target).path();
        const Page page = pages_.value(path, Page{404, "<html><body>not here</body></html>"});
        QByteArray response = "HTTP/1.1 " + QByteArray::number(page.status) +
                              (page.status == 200 ? " OK" : " Error") + "\r\n";
        response += "Content-Type: " + page.contentType + "\r\n";
        response += "Content-Length: " + QByteArray::number(page.body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        response += page.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QHash<QString, Page> pages_;
    bool holding_ = false;
    QList<std::pair<QPointer<QTcpSocket>, QByteArray>> held_;
};
