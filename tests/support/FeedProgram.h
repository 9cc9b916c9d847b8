#pragma once

#include "board/frmScoreboard.h"
#include "match/NumberEdit.h"
#include "support/ProgramFixture.h"
#include "widgets/Label.h"
#include "widgets/NumberPanel.h"
#include "widgets/TimePanel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>

// The whole program in the test's process with the live feed on a free port of 127.0.0.1 and the
// remote's PIN 123456, its board open; an HTTP client for the feed; and what the board's widgets show,
// in the shape of the feed's JSON, to compare with it.
class FeedProgram
{
public:
    static constexpr const char *Pin = "123456";

    struct Reply
    {
        int status = 0;
        QByteArray body;
        QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    };

    explicit FeedProgram(const QByteArray &feedSettings = {})
    {
        m_port = freePort();
        fixture.writeSettings("[Feed]\nEnabled=Yes\nPin=" + QByteArray(Pin) + "\nPort=" + QByteArray::number(m_port)
                              + "\n" + feedSettings);
    }

    // Starts the program and clicks its splash; true once the board is active. A machine busy with other
    // work may take its time.
    bool openBoard()
    {
        fixture.create();
        fixture.program->start();
        if (!QTest::qWaitForWindowExposed(fixture.program->splash(), 20'000))
            return false;
        fixture.clickSplash();
        frmScoreboard *shown = nullptr;
        if (!QTest::qWaitFor([&] { return (shown = fixture.program->board()) && shown->isVisible(); }, 20'000))
            return false;
        shown->activateWindow();
        return QTest::qWaitForWindowActive(shown);
    }

    Program &program() const { return *fixture.program; }
    frmScoreboard *board() const { return fixture.program->board(); }
    quint16 port() const { return m_port; }
    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

    Reply get(const QString &path) { return finish(m_http.get(QNetworkRequest(QUrl(url(path))))); }

    Reply command(const QString &command, const QString &pin = QString::fromLatin1(Pin))
    {
        QNetworkRequest request(QUrl(url(QStringLiteral("/command"))));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        const QJsonObject body {{QStringLiteral("pin"), pin}, {QStringLiteral("command"), command}};
        return finish(m_http.post(request, QJsonDocument(body).toJson()));
    }

    // Sets the home score back to 0 when it is at its largest value but one or above, so that the next F5
    // raises it: long runs press it more often than it counts. True when it did.
    bool letHomeScoreRise()
    {
        if (program().match().state().homeScore < ScoreLimits.maximum - 1)
            return false;
        program().match().editScore(Side::Home, QStringLiteral("0"));
        return true;
    }

    template<typename Element> Element *element(const QString &name) const
    {
        for (QObject *element : board()->elements()) {
            if (element->objectName() == name)
                return qobject_cast<Element *>(element);
        }
        return nullptr;
    }

    // The match as the board's widgets show it, in the fields of the feed's JSON that the board shows.
    QJsonObject shown() const
    {
        const auto number = [this](const QString &panel) {
            const QString caption = element<NumberPanel>(panel)->caption();
            return caption == u"-1" ? QJsonValue(QJsonValue::Null) : QJsonValue(caption.toInt());
        };
        QJsonArray sets;
        for (int set = 1; set <= 4; ++set) {
            const QJsonValue home = number(QStringLiteral("nledSet%1H").arg(set));
            const QJsonValue visitor = number(QStringLiteral("nledSet%1V").arg(set));
            sets.append(home.isNull() && visitor.isNull() ? QJsonValue(QJsonValue::Null) : QJsonArray {home, visitor});
        }
        const int lit = fixture.settings.TimeColor;
        const QString possession = element<Label>(QStringLiteral("lblPossH"))->foreColor() == lit
            ? QStringLiteral("home")
            : element<Label>(QStringLiteral("lblPossV"))->foreColor() == lit ? QStringLiteral("visitor")
                                                                             : QStringLiteral("none");
        const TimePanel *clock = element<TimePanel>(QStringLiteral("tledGame"));
        return {{QStringLiteral("title"), element<Label>(QStringLiteral("lblTitle"))->caption()},
                {QStringLiteral("home"),
                 QJsonObject {{QStringLiteral("name"), element<Label>(QStringLiteral("lblHomeTeam"))->caption()},
                              {QStringLiteral("score"), number(QStringLiteral("nledHomeScore"))},
                              {QStringLiteral("gamesWon"), number(QStringLiteral("nledHomeGamesWon"))}}},
                {QStringLiteral("visitor"),
                 QJsonObject {{QStringLiteral("name"), element<Label>(QStringLiteral("lblVisitorTeam"))->caption()},
                              {QStringLiteral("score"), number(QStringLiteral("nledVisitorScore"))},
                              {QStringLiteral("gamesWon"), number(QStringLiteral("nledVisitorGamesWon"))}}},
                {QStringLiteral("sets"), sets},
                {QStringLiteral("possession"), possession},
                {QStringLiteral("clockText"), TimePanel::displayText(clock->caption(), clock->fieldUnits())}};
    }

    // The same fields from the feed's JSON.
    static QJsonObject boardFields(const QJsonObject &state)
    {
        QJsonObject fields;
        for (const char *key : {"title", "home", "visitor", "sets", "possession"})
            fields.insert(QLatin1String(key), state.value(QLatin1String(key)));
        fields.insert(QStringLiteral("clockText"),
                      state.value(QStringLiteral("clock")).toObject().value(QStringLiteral("text")));
        return fields;
    }

    ProgramFixture fixture;

private:
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

    Reply finish(QNetworkReply *reply)
    {
        if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 10'000))
            reply->abort();
        Reply answer {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
        reply->deleteLater();
        return answer;
    }

    quint16 m_port;
    QNetworkAccessManager m_http;
};
