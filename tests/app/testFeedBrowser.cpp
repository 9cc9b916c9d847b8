#include "support/FeedBrowser.h"

using namespace Qt::StringLiterals;

// The feed's pages in a real browser, headless Chromium from Debian driven through its DevTools
// protocol: the overlay and the board follow real key presses on the board within 200 ms, the remote
// changes the board with the right PIN only and locks out after five wrong ones. Screenshots of the
// pages go to the build folder's screenshots.
class TestFeedBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pagesFollowKeyPresses_data();
    void pagesFollowKeyPresses();
    void screenshots();
    void remoteNeedsTheRightPin();

private:
    QString homeScore() const { return m_feed->element<NumberPanel>(u"nledHomeScore"_s)->caption(); }
    QString screenshotPath(const QString &name) const;
    // Clicks a command of the remote and waits for its answer; the status it got.
    int remoteClick(const QString &session, const QString &pin, const QString &command);

    std::unique_ptr<FeedProgram> m_feed;
    std::unique_ptr<DevToolsClient> m_browser;
};

void TestFeedBrowser::initTestCase()
{
    if (const QString missing = XKeyboard::missing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    m_browser = std::make_unique<DevToolsClient>();
    if (const QString problem = m_browser->start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));
    m_feed = std::make_unique<FeedProgram>();
    QVERIFY(m_feed->openBoard());
    QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s);
}

void TestFeedBrowser::cleanupTestCase()
{
    m_browser.reset();
    m_feed.reset();
}

QString TestFeedBrowser::screenshotPath(const QString &name) const
{
    return u"%1/screenshots/%2.png"_s.arg(QStringLiteral(VANTARO_BUILD_DIR), name);
}

void TestFeedBrowser::pagesFollowKeyPresses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shownAlso");
    QTest::newRow("overlay")
        << u"/overlay"_s << u"document.querySelector('#home .score').textContent === String(Feed.last.home.score)"_s;
    QTest::newRow("board") << u"/board"_s << u"true"_s;
}

void TestFeedBrowser::pagesFollowKeyPresses()
{
    QFETCH(QString, path);
    QFETCH(QString, shownAlso);
    const QString session = FeedBrowser::openPage(*m_browser, *m_feed, path, {1920, 1080});
    QVERIFY(!session.isEmpty());
    const int presses = 9;
    const QList<double> milliseconds
        = FeedBrowser::keyToPageMilliseconds(*m_browser, *m_feed, session, presses, shownAlso);
    QCOMPARE(milliseconds.size(), presses);
    const double typical = FeedBrowser::median(milliseconds);
    qInfo("key press on the board to the %s page's update: median %.1f ms, slowest %.1f ms", qPrintable(path), typical,
          *std::max_element(milliseconds.begin(), milliseconds.end()));
    QVERIFY2(typical < 200, qPrintable(u"%1 ms"_s.arg(typical)));
}

void TestFeedBrowser::screenshots()
{
    MatchState match;
    match.homeScore = 18;
    match.visitorScore = 21;
    match.homeGamesWon = 1;
    match.visitorGamesWon = 1;
    match.sets[0] = {25, 23};
    match.sets[1] = {20, 25};
    match.WhoPoss = 2;
    match.Seconds = Currency::fromInteger(252);
    m_feed->program().match().restore(match);
    for (const auto &[path, transparent] : {std::pair {u"/overlay"_s, true}, std::pair {u"/board"_s, false}}) {
        const QString session = FeedBrowser::openPage(*m_browser, *m_feed, path, {1920, 1080});
        QVERIFY(!session.isEmpty());
        QVERIFY2(m_browser->waitUntil(session, u"Feed.last.visitor.score === 21"_s),
                 qPrintable(m_browser->evaluate(session, u"JSON.stringify(Feed.last)"_s).toString()));
        const QString name = screenshotPath(u"feed-"_s + path.mid(1));
        QVERIFY2(m_browser->screenshot(session, name, transparent), qPrintable(name));
    }
}

int TestFeedBrowser::remoteClick(const QString &session, const QString &pin, const QString &command)
{
    m_browser->evaluate(session, uR"(document.body.dataset.lastStatus = "";
        document.getElementById("pin").value = "%1";
        document.querySelector('[data-command="%2"]').click(); true)"_s.arg(pin, command));
    if (!m_browser->waitUntil(session, u"document.body.dataset.lastStatus !== ''"_s))
        return 0;
    return m_browser->evaluate(session, u"Number(document.body.dataset.lastStatus)"_s).toInt();
}

void TestFeedBrowser::remoteNeedsTheRightPin()
{
    const QString session = FeedBrowser::openPage(*m_browser, *m_feed, u"/remote"_s, {412, 915});
    QVERIFY(!session.isEmpty());
    const int before = homeScore().toInt();
    QCOMPARE(remoteClick(session, QString::fromLatin1(FeedProgram::Pin), u"homePlus"_s), 200);
    QTRY_COMPARE(homeScore(), QString::number(before + 1));
    QCOMPARE(remoteClick(session, u"000000"_s, u"homePlus"_s), 403);
    QCOMPARE(m_browser->evaluate(session, u"document.getElementById('message').textContent"_s).toString(),
             u"The PIN is wrong."_s);
    QVERIFY(m_browser->screenshot(session, screenshotPath(u"feed-remote"_s)));
    for (int attempt = 2; attempt < RemoteControl::AllowedWrongPins; ++attempt)
        QCOMPARE(remoteClick(session, u"111111"_s, u"homePlus"_s), 403);
    QCOMPARE(remoteClick(session, u"111111"_s, u"homePlus"_s), 429);
    QCOMPARE(remoteClick(session, QString::fromLatin1(FeedProgram::Pin), u"homePlus"_s), 429);
    QVERIFY(m_browser->evaluate(session, u"document.getElementById('message').textContent"_s)
                .toString()
                .contains(u"locked"_s));
    QCOMPARE(homeScore(), QString::number(before + 1));
}

QTEST_MAIN(TestFeedBrowser)
#include "testFeedBrowser.moc"
