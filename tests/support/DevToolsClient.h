#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

// Headless Chromium from Debian's chromium package, driven through its DevTools protocol over one
// WebSocket: pages opened in tabs of a given size, scripts evaluated in them, screenshots taken. Each
// browser gets a fresh profile and is closed with this client. Nothing is downloaded.
class DevToolsClient
{
public:
    DevToolsClient()
    {
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived, [this](const QString &text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            // Events carry no id; only answers are kept.
            if (message.contains(QStringLiteral("id")))
                m_answers.insert(message.value(QStringLiteral("id")).toInt(), message);
        });
    }

    ~DevToolsClient()
    {
        if (m_socket.state() == QAbstractSocket::ConnectedState)
            send(QStringLiteral("Browser.close"));
        if (m_browser.state() != QProcess::NotRunning && !m_browser.waitForFinished(5000)) {
            m_browser.kill();
            m_browser.waitForFinished(5000);
        }
    }

    // Starts the browser; the empty text when it runs, otherwise why it does not.
    QString start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (program.isEmpty())
            return QStringLiteral("chromium is not installed (Debian's chromium package; scripts/test installs it)");
        m_browser.setProgram(program);
        m_browser.setArguments({QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
                                QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                                QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                                QStringLiteral("--hide-scrollbars"), QStringLiteral("--remote-debugging-port=0"),
                                QStringLiteral("--user-data-dir=") + m_profile.path(), QStringLiteral("about:blank")});
        m_browser.setStandardOutputFile(QProcess::nullDevice());
        m_browser.start();
        if (!m_browser.waitForStarted(10'000))
            return QStringLiteral("chromium did not start: ") + m_browser.errorString();
        // The browser names its DevTools endpoint on standard error once it listens.
        static const QRegularExpression listening(QStringLiteral("DevTools listening on (ws://\\S+)"));
        QString seen;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30'000 && m_browser.state() == QProcess::Running) {
            m_browser.waitForReadyRead(100);
            seen += QString::fromLocal8Bit(m_browser.readAllStandardError());
            const QRegularExpressionMatch endpoint = listening.match(seen);
            if (!endpoint.hasMatch())
                continue;
            // Its later chatter is read and dropped, so that a full pipe never stalls it.
            QObject::connect(&m_browser, &QProcess::readyReadStandardError,
                             [this] { m_browser.readAllStandardError(); });
            m_socket.open(QUrl(endpoint.captured(1)));
            if (QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, 10'000))
                return {};
            return QStringLiteral("the DevTools endpoint did not answer: ") + m_socket.errorString();
        }
        return QStringLiteral("chromium named no DevTools endpoint: ") + seen.right(500);
    }

    // Opens url in a new tab of width x height pixels; its session, or the empty text.
    QString open(const QString &url, QSize size)
    {
        const QString target
            = call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), QStringLiteral("about:blank")}})
                  .value(QStringLiteral("result"))
                  .toObject()
                  .value(QStringLiteral("targetId"))
                  .toString();
        const QString session = call(QStringLiteral("Target.attachToTarget"),
                                     {{QStringLiteral("targetId"), target}, {QStringLiteral("flatten"), true}})
                                    .value(QStringLiteral("result"))
                                    .toObject()
                                    .value(QStringLiteral("sessionId"))
                                    .toString();
        if (session.isEmpty())
            return {};
        call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
             {{QStringLiteral("width"), size.width()},
              {QStringLiteral("height"), size.height()},
              {QStringLiteral("deviceScaleFactor"), 1},
              {QStringLiteral("mobile"), false}},
             session);
        call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}}, session);
        return session;
    }

    // Sends a command; its id, for result().
    int send(const QString &method, const QJsonObject &params = {}, const QString &session = {})
    {
        QJsonObject message {
            {QStringLiteral("id"), m_nextId}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}};
        if (!session.isEmpty())
            message.insert(QStringLiteral("sessionId"), session);
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
        return m_nextId++;
    }

    // The answer to a command sent earlier; the event loop runs while it is awaited. Empty after the
    // timeout.
    QJsonObject result(int id, int timeoutMilliseconds = 10'000)
    {
        if (!QTest::qWaitFor([this, id] { return m_answers.contains(id); }, timeoutMilliseconds))
            return {};
        return m_answers.take(id);
    }

    QJsonObject call(const QString &method, const QJsonObject &params = {}, const QString &session = {},
                     int timeoutMilliseconds = 10'000)
    {
        return result(send(method, params, session), timeoutMilliseconds);
    }

    // Evaluates a script expression in the page, awaiting it when it is a promise; its id.
    int evaluateLater(const QString &session, const QString &expression)
    {
        return send(QStringLiteral("Runtime.evaluate"),
                    {{QStringLiteral("expression"), expression},
                     {QStringLiteral("awaitPromise"), true},
                     {QStringLiteral("returnByValue"), true}},
                    session);
    }

    // The value an evaluation gave, undefined when it failed or did not answer.
    static QJsonValue value(const QJsonObject &answer)
    {
        return answer.value(QStringLiteral("result"))
            .toObject()
            .value(QStringLiteral("result"))
            .toObject()
            .value(QStringLiteral("value"));
    }

    QJsonValue evaluate(const QString &session, const QString &expression, int timeoutMilliseconds = 10'000)
    {
        return value(result(evaluateLater(session, expression), timeoutMilliseconds));
    }

    // Waits until the expression is true in the page.
    bool waitUntil(const QString &session, const QString &expression, int timeoutMilliseconds = 10'000)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMilliseconds) {
            if (evaluate(session, expression).toBool())
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    // A PNG of the tab; transparent where the page is, when transparent is true.
    bool screenshot(const QString &session, const QString &path, bool transparent = false)
    {
        if (transparent) {
            const QJsonObject clear {
                {QStringLiteral("r"), 0}, {QStringLiteral("g"), 0}, {QStringLiteral("b"), 0}, {QStringLiteral("a"), 0}};
            call(QStringLiteral("Emulation.setDefaultBackgroundColorOverride"), {{QStringLiteral("color"), clear}},
                 session);
        }
        const QByteArray png = QByteArray::fromBase64(
            call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), QStringLiteral("png")}}, session)
                .value(QStringLiteral("result"))
                .toObject()
                .value(QStringLiteral("data"))
                .toString()
                .toLatin1());
        QFile file(path);
        return !png.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
    }

private:
    QProcess m_browser;
    QTemporaryDir m_profile;
    QWebSocket m_socket;
    int m_nextId = 1;
    QHash<int, QJsonObject> m_answers;
};
