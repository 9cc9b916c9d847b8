#include "app/CommandLine.h"

#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
};

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus"); // -1: the program starts
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");
    const QString usage = u"Usage: vantaro [--help] [--version]\n"_s;
    QTest::newRow("nothing starts the program") << QStringList {} << -1 << u""_s << u""_s;
    QTest::newRow("--version") << QStringList {u"--version"_s} << 0 << u"vantaro 1.0.1\n"_s << u""_s;
    QTest::newRow("-v") << QStringList {u"-v"_s} << 0 << u"vantaro 1.0.1\n"_s << u""_s;
    QTest::newRow("--help") << QStringList {u"--help"_s} << 0 << u"Usage: vantaro [OPTION]\n"_s << u""_s;
    QTest::newRow("-h") << QStringList {u"-h"_s} << 0 << u"Usage: vantaro [OPTION]\n"_s << u""_s;
    QTest::newRow("unknown option") << QStringList {u"--fullscreen"_s} << 2 << u""_s
                                    << u"vantaro: Unknown option 'fullscreen'.\n"_s + usage;
    QTest::newRow("unexpected argument") << QStringList {u"match.txt"_s} << 2 << u""_s
                                         << u"vantaro: unexpected argument 'match.txt'\n"_s + usage;
    QTest::newRow("window-system options pass")
        << QStringList {u"-platform"_s, u"xcb"_s, u"-reverse"_s} << -1 << u""_s << u""_s;
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QString printed;
    QString complained;
    QTextStream outStream(&printed);
    QTextStream errorStream(&complained);
    const auto result = CommandLine::handle(QStringList {u"vantaro"_s} + arguments, outStream, errorStream);
    outStream.flush();
    errorStream.flush();
    QCOMPARE(result.value_or(-1), exitStatus);
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
    QCOMPARE(complained, error);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "testCommandLine.moc"
