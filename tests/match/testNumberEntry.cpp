#include "match/NumberEntry.h"
#include "support/OperatorKeys.h"

#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

// The four number fields of the board, their limits, and one entry routine shared by them.
class NumberFields
{
public:
    explicit NumberFields(const QString &startCaption)
    {
        for (const QString &field :
             {u"nledHomeScore"_s, u"nledVisitorScore"_s, u"nledHomeGamesWon"_s, u"nledVisitorGamesWon"_s})
            m_captions.insert(field, startCaption);
    }

    QString caption(const QString &field) const { return m_captions.value(field); }
    int writes() const { return m_writes; }

    // Presses the keys in field as its key-down handler does.
    void press(const QString &field, QStringView keys)
    {
        const NumberLimits limits = field.endsWith(u"GamesWon") ? GamesWonLimits : ScoreLimits;
        for (qint16 code : OperatorKeys::entryCodes(keys)) {
            if (const auto caption = m_entry.keyDown(field, m_captions.value(field), code, limits)) {
                m_captions[field] = *caption;
                ++m_writes;
            }
        }
    }

    // A script is "field:keys" segments separated by "|", for example "nledHomeScore:15\r".
    void run(const QString &script)
    {
        for (const QString &segment : script.split(u'|')) {
            const qsizetype colon = segment.indexOf(u':');
            press(segment.left(colon), QStringView(segment).mid(colon + 1));
        }
    }

private:
    NumberEntry m_entry;
    QHash<QString, QString> m_captions;
    int m_writes = 0;
};

class TestNumberEntry : public QObject
{
    Q_OBJECT

private slots:
    void typedEntry_data();
    void typedEntry();
};

void TestNumberEntry::typedEntry_data()
{
    QTest::addColumn<QString>("start"); // caption of every field before the keys
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("writes"); // keys that changed a field

    const QString home = u"nledHomeScore"_s;
    const QString visitor = u"nledVisitorScore"_s;
    const QString homeGames = u"nledHomeGamesWon"_s;

    QTest::newRow("score 7, keys 1 5 Enter") << u"7"_s << u"nledHomeScore:15\r"_s << home << u"15"_s << 1;
    QTest::newRow("digits wait for Enter") << u"7"_s << u"nledHomeScore:15"_s << home << u"7"_s << 0;
    QTest::newRow("123 refused, keeps 15") << u"7"_s << u"nledHomeScore:15\r123\r"_s << home << u"15"_s << 1;
    QTest::newRow("refused text is dropped") << u"7"_s << u"nledHomeScore:123\r4\r"_s << home << u"4"_s << 1;
    QTest::newRow("Enter with nothing typed") << u"7"_s << u"nledHomeScore:\r"_s << home << u"7"_s << 0;
    QTest::newRow("empty score, plus 4") << u"-1"_s << u"nledHomeScore:+4"_s << home << u"4"_s << 1;
    QTest::newRow("score 1, minus 2 empties") << u"1"_s << u"nledHomeScore:-2"_s << home << u"-1"_s << 1;
    QTest::newRow("score 0, minus 2 refused") << u"0"_s << u"nledHomeScore:-2"_s << home << u"0"_s << 0;
    QTest::newRow("plus 3 adds at once") << u"7"_s << u"nledHomeScore:+3"_s << home << u"10"_s << 1;
    QTest::newRow("digit after a sign entry starts anew") << u"7"_s << u"nledHomeScore:+34\r"_s << home << u"4"_s << 2;
    QTest::newRow("plus past 99 refused") << u"95"_s << u"nledHomeScore:+7"_s << home << u"95"_s << 0;
    QTest::newRow("lone plus then Enter adds nothing") << u"7"_s << u"nledHomeScore:+\r"_s << home << u"7"_s << 1;
    QTest::newRow("space empties the typed text") << u"7"_s << u"nledHomeScore:12 3\r"_s << home << u"3"_s << 1;
    QTest::newRow("space drops a sign") << u"7"_s << u"nledHomeScore:- 2\r"_s << home << u"2"_s << 1;
    QTest::newRow("point and letters type nothing") << u"7"_s << u"nledHomeScore:1.S2\r"_s << home << u"12"_s << 1;
    QTest::newRow("clear empties the field") << u"42"_s << u"nledHomeScore:#"_s << home << u"-1"_s << 1;
    QTest::newRow("clear keeps a partly typed number") << u"7"_s << u"nledHomeScore:1#5\r"_s << home << u"15"_s << 2;
    QTest::newRow("clear keeps a typed sign") << u"7"_s << u"nledHomeScore:+#4"_s << home << u"4"_s << 2;

    QTest::newRow("games won 3, key 7 at once") << u"3"_s << u"nledHomeGamesWon:7"_s << homeGames << u"7"_s << 1;
    QTest::newRow("games won: last digit counts") << u"3"_s << u"nledHomeGamesWon:128"_s << homeGames << u"8"_s << 3;
    QTest::newRow("games won 7, plus 5 refused") << u"3"_s << u"nledHomeGamesWon:7+5"_s << homeGames << u"7"_s << 1;
    QTest::newRow("games won plus 1") << u"3"_s << u"nledHomeGamesWon:+1"_s << homeGames << u"4"_s << 1;
    QTest::newRow("games won minus 1 on 0 empties") << u"0"_s << u"nledHomeGamesWon:-1"_s << homeGames << u"-1"_s << 1;
    QTest::newRow("games won clear") << u"5"_s << u"nledHomeGamesWon:#"_s << homeGames << u"-1"_s << 1;

    QTest::newRow("no keys elsewhere keep the typed 1")
        << u"0"_s << u"nledHomeScore:1|nledHomeScore:2\r"_s << home << u"12"_s << 1;
    QTest::newRow("a key in the visitor score drops the typed 1")
        << u"0"_s << u"nledHomeScore:1|nledVisitorScore:S|nledHomeScore:2\r"_s << home << u"2"_s << 1;
    QTest::newRow("visitor score gets only its own keys")
        << u"0"_s << u"nledHomeScore:1|nledVisitorScore:3\r"_s << visitor << u"3"_s << 1;
    QTest::newRow("a sign typed in a score is dropped by a games-won key")
        << u"0"_s << u"nledHomeScore:+|nledHomeGamesWon:S|nledHomeScore:4"_s << home << u"0"_s << 0;
}

void TestNumberEntry::typedEntry()
{
    QFETCH(QString, start);
    QFETCH(QString, script);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(int, writes);
    NumberFields fields(start);
    fields.run(script);
    QCOMPARE(fields.caption(field), expected);
    QCOMPARE(fields.writes(), writes);
}

QTEST_GUILESS_MAIN(TestNumberEntry)
#include "testNumberEntry.moc"
