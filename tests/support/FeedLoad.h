#pragma once

#include "support/FeedProgram.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>

// A crowd of the feed's clients on a thread of its own, so that its work does not count as the board's:
// WebSocket clients that keep every home score they are sent, and an HTTP client that asks for
// /state.json at a steady rate. It runs until it is stopped.
class FeedCrowd : public QObject
{
    Q_OBJECT

public:
    FeedCrowd(quint16 port, int webSockets, int requestsPerSecond)
        : m_port(port)
        , m_webSockets(webSockets)
        , m_requestsPerSecond(requestsPerSecond)
    {
        moveToThread(&m_thread);
        connect(&m_thread, &QThread::started, this, &FeedCrowd::begin);
        connect(&m_thread, &QThread::finished, this, &FeedCrowd::end);
        m_thread.start();
    }

    ~FeedCrowd() override { stop(); }

    void stop()
    {
        m_thread.quit();
        m_thread.wait();
    }

    int connected() const { return m_connected.loadAcquire(); }
    // Read once the crowd has stopped.
    const QList<QList<int>> &scores() const { return m_scores; }
    int answered() const { return m_answered; }
    int failed() const { return m_failed; }

private:
    void begin()
    {
        m_scores.resize(m_webSockets);
        for (int client = 0; client < m_webSockets; ++client) {
            auto *socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
            connect(socket, &QWebSocket::connected, this, [this] { m_connected.fetchAndAddRelease(1); });
            connect(socket, &QWebSocket::textMessageReceived, this, [this, client](const QString &text) {
                const QJsonObject state = QJsonDocument::fromJson(text.toUtf8()).object();
                m_scores[client].append(state.value(u"home").toObject().value(u"score").toInt());
            });
            socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/feed").arg(m_port)));
        }
        m_http = new QNetworkAccessManager(this);
        m_requests = new QTimer(this);
        m_requests->setTimerType(Qt::PreciseTimer);
        m_requests->setInterval(1000 / m_requestsPerSecond);
        connect(m_requests, &QTimer::timeout, this, &FeedCrowd::request);
        m_requests->start();
    }

    void request()
    {
        QNetworkReply *reply
            = m_http->get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/state.json").arg(m_port))));
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            const bool ok = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
            ++(ok ? m_answered : m_failed);
            reply->deleteLater();
        });
    }

    void end()
    {
        // Deleted on the thread they lived on.
        for (QObject *child : children())
            delete child;
    }

    QThread m_thread;
    quint16 m_port;
    int m_webSockets;
    int m_requestsPerSecond;
    QAtomicInt m_connected;
    QList<QList<int>> m_scores;
    QNetworkAccessManager *m_http = nullptr;
    QTimer *m_requests = nullptr;
    int m_answered = 0;
    int m_failed = 0;
};

// The program with the feed under the crowd's load while the home score is raised by a key press every
// 100 ms: how long each press takes to the repainted field, whether every client saw every score, and
// how the resident memory went.
struct FeedLoadRun
{
    struct Result
    {
        QList<double> keyToRepaintMilliseconds;
        int presses = 0;
        int clients = 0;
        // Clients that missed a score or did not end on the last one.
        int clientsWithLostUpdates = 0;
        int requestsAnswered = 0;
        int requestsFailed = 0;
        qint64 residentKilobytesAtStart = 0;
        qint64 residentKilobytesAtEnd = 0;

        double medianKeyToRepaint() const
        {
            QList<double> sorted = keyToRepaintMilliseconds;
            std::sort(sorted.begin(), sorted.end());
            return sorted.isEmpty() ? -1 : sorted[sorted.size() / 2];
        }
    };

    static qint64 residentKilobytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
        return -1;
    }

    // Runs for the given seconds against a program whose board is open; the crowd gets up to ten
    // seconds to connect first.
    static Result run(FeedProgram &feed, int seconds, int webSockets = 50, int requestsPerSecond = 200)
    {
        Result result;
        FeedCrowd crowd(feed.port(), webSockets, requestsPerSecond);
        if (!QTest::qWaitFor([&] { return crowd.connected() == webSockets; }, 10'000))
            return result;
        result.clients = webSockets;
        QWidget *field = feed.element<QWidget>(QStringLiteral("nledHomeScore"));
        field->setFocus(Qt::OtherFocusReason);
        PaintWatch painted(field);
        QTest::qWait(500);
        result.residentKilobytesAtStart = residentKilobytes();
        // The scores the presses make since the score last went back to 0: every client must see them all.
        int firstScore = feed.program().match().state().homeScore + 1;
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < seconds * 1000LL && feed.board()->isVisible()) {
            if (feed.letHomeScoreRise()) {
                painted.reset();
                painted.waitUntilSeen(2000);
                firstScore = 1;
            }
            QElapsedTimer pressed;
            pressed.start();
            painted.reset();
            // Posted as the window system would, behind whatever the server has queued.
            QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier));
            QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier));
            if (painted.waitUntilSeen(2000))
                result.keyToRepaintMilliseconds.append(double(pressed.nsecsElapsed()) / 1e6);
            ++result.presses;
            QTest::qWait(int(std::max<qint64>(1, 100 - pressed.elapsed())));
        }
        // The last state reaches everyone within the message interval; a second is plenty.
        QTest::qWait(1000);
        result.residentKilobytesAtEnd = residentKilobytes();
        crowd.stop();
        const int last = feed.program().match().state().homeScore;
        for (const QList<int> &scores : crowd.scores()) {
            bool everyScore = !scores.isEmpty() && scores.last() == last;
            for (int score = firstScore; everyScore && score <= last; ++score)
                everyScore = scores.contains(score);
            result.clientsWithLostUpdates += everyScore ? 0 : 1;
        }
        result.requestsAnswered = crowd.answered();
        result.requestsFailed = crowd.failed();
        return result;
    }

private:
    // Notes the first paint of a widget after reset().
    class PaintWatch : public QObject
    {
    public:
        explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
        void reset() { seen = false; }
        // Runs the event loop until the paint is done, without the sleeps of QTest's waits that would
        // blur the timing.
        bool waitUntilSeen(int milliseconds)
        {
            QTimer wake;
            wake.start(milliseconds);
            QElapsedTimer waited;
            waited.start();
            while (!seen && waited.elapsed() < milliseconds)
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            return seen;
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                seen = true;
            return false;
        }
        bool seen = false;
    };
};
