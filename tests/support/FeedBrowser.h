#pragma once

#include "support/DevToolsClient.h"
#include "support/FeedProgram.h"
#include "support/XKeyboard.h"

#include <algorithm>

// The feed's pages in headless Chromium, timed from a real key press on the board (F5) to the frame
// in which the page shows the new home score.
namespace FeedBrowser {

// Opens a page of the feed and waits for its first state; its session, or the empty text.
inline QString openPage(DevToolsClient &browser, const FeedProgram &feed, const QString &path, QSize size)
{
    const QString session = browser.open(feed.url(path), size);
    if (session.isEmpty()
        || !browser.waitUntil(session, QStringLiteral("typeof Feed === 'object' && Feed.last !== null")))
        return {};
    return session;
}

// A promise in the page that is true at the first frame after the page has drawn a state with the
// given home score (and alsoTrue holds), false after two seconds.
inline QString homeScoreShown(int score, const QString &alsoTrue)
{
    return QStringLiteral(R"(new Promise((resolve) => {
        const done = () => Feed.last !== null && Feed.last.home.score === %1
            && document.body.dataset.version === String(Feed.last.version) && (%2);
        if (done())
            return resolve(true);
        const observer = new MutationObserver(() => {
            if (!done())
                return;
            observer.disconnect();
            requestAnimationFrame(() => resolve(true));
        });
        observer.observe(document.body, {attributes: true, childList: true, characterData: true, subtree: true});
        setTimeout(() => resolve(false), 2000);
    }))")
        .arg(score)
        .arg(alsoTrue);
}

// Presses F5 on the board the given number of times, 100 ms apart, and times each press to the page's
// update; a press the page never showed is missing from the list. A home score near its largest value
// (after a long load run) is set back to 0 first, so that every press raises it.
inline QList<double> keyToPageMilliseconds(DevToolsClient &browser, FeedProgram &feed, const QString &session,
                                           int presses, const QString &alsoTrue = QStringLiteral("true"))
{
    QList<double> milliseconds;
    for (int press = 0; press < presses; ++press) {
        if (feed.letHomeScoreRise())
            QTest::qWait(100);
        const int expected = feed.program().match().state().homeScore + 1;
        const int waiting = browser.evaluateLater(session, homeScoreShown(expected, alsoTrue));
        // Evaluations run in order: once a later one answers, the page is waiting for the change.
        browser.evaluate(session, QStringLiteral("1"));
        QElapsedTimer pressed;
        pressed.start();
        XKeyboard::press(XKeyboard::F5);
        if (DevToolsClient::value(browser.result(waiting, 5000)).toBool())
            milliseconds.append(double(pressed.nsecsElapsed()) / 1e6);
        // Further apart than the feed's message interval, so that each press is timed alone.
        QTest::qWait(100);
    }
    return milliseconds;
}

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values[values.size() / 2];
}

} // namespace FeedBrowser
