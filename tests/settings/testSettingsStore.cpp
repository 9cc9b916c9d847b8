#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void roundTripsValues_data();
    void roundTripsValues();
    void roundTripsNames_data();
    void roundTripsNames();
    void tellsAbsentFromEmpty();
    void keepsSectionsApart();
    void keepsKeysItDoesNotWrite();
    void writesReadableIniText();
    void readsHandEditedFile_data();
    void readsHandEditedFile();
    void skipsUnreadableLines_data();
    void skipsUnreadableLines();
    void commitOutcome_data();
    void commitOutcome();
    void fullDiskKeepsOldFile();

private:
    QString path(const QString &name = u"Vantaro.ini"_s) const { return m_dir->filePath(name); }
    static QByteArray bytesOf(const QString &fileName);
    // The stored text, or "<absent>", so that comparisons print readably.
    static QString stored(const SettingsStore &store, const QString &section, const QString &key);
    static void writeBytes(const QString &fileName, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::initTestCase()
{
    // Writing past the file size limit must fail the write, not kill the test.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestSettingsStore::bytesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString TestSettingsStore::stored(const SettingsStore &store, const QString &section, const QString &key)
{
    return store.value(section, key).value_or(u"<absent>"_s);
}

void TestSettingsStore::writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestSettingsStore::roundTripsValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << u"Lions"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("comma list") << u"a, b,c"_s;
    QTest::newRow("double quotes") << u"\"Lions\" and \"Tigers\""_s;
    QTest::newRow("quoted comma list") << u"\"a,b\",c"_s;
    QTest::newRow("equals signs") << u"a=b==c="_s;
    QTest::newRow("semicolon first") << u"; not a comment"_s;
    QTest::newRow("hash first") << u"# not a comment"_s;
    QTest::newRow("windows path") << u"C:\\Pictures\\home team.bmp"_s;
    QTest::newRow("trailing backslash") << u"C:\\Pictures\\"_s;
    QTest::newRow("escape look-alikes") << u"\\n\\s\\x41\\\\"_s;
    QTest::newRow("blanks at both ends") << u"  Home Team  "_s;
    QTest::newRow("only blanks") << u"   "_s;
    QTest::newRow("tabs") << u"\tA\tB\t"_s;
    QTest::newRow("non-ASCII") << u"Équipe Ünited 日本"_s;
    QTest::newRow("outside the BMP") << u"🏐 Volley"_s;
    QTest::newRow("no-break spaces at both ends") << u"\u00a0x\u00a0"_s;
    QTest::newRow("line feeds") << u"first\nsecond\n"_s;
    QTest::newRow("carriage returns") << u"a\r\nb\r"_s;
    QTest::newRow("control characters") << (u"a"_s + QChar(0) + QChar(1) + QChar(0x1b) + QChar(0x7f) + u"b"_s);
    QTest::newRow("section look-alike") << u"[ColorSettings]"_s;
    QTest::newRow("key look-alike") << u"TimeColor=255"_s;
    QTest::newRow("long text") << QString(100000, u'x');
}

void TestSettingsStore::roundTripsValues()
{
    QFETCH(QString, text);
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"HomeText"_s, text));
    QCOMPARE(writer.GetSetting(u"TextSettings"_s, u"HomeText"_s, u"default"_s), text);
    QVERIFY2(writer.commit(), qPrintable(writer.errorString()));

    const SettingsStore reader(path());
    QCOMPARE(reader.readError(), QString());
    QCOMPARE(reader.GetSetting(u"TextSettings"_s, u"HomeText"_s, u"default"_s), text);
}

void TestSettingsStore::roundTripsNames_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("equals in key") << u"S"_s << u"a=b"_s;
    QTest::newRow("brackets in key") << u"S"_s << u"[k]"_s;
    QTest::newRow("semicolon key") << u"S"_s << u";k"_s;
    QTest::newRow("hash key") << u"S"_s << u"#k"_s;
    QTest::newRow("bracket in section") << u"a]b"_s << u"k"_s;
    QTest::newRow("blanks around names") << u" S "_s << u" k "_s;
    QTest::newRow("backslashes") << u"C:\\x"_s << u"\\"_s;
    QTest::newRow("non-ASCII names") << u"Équipe"_s << u"日本"_s;
    QTest::newRow("empty names") << QString() << QString();
}

void TestSettingsStore::roundTripsNames()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(section, key, u"value"_s));
    QVERIFY(writer.SaveSetting(u"Other"_s, u"k"_s, u"other"_s));
    QVERIFY2(writer.commit(), qPrintable(writer.errorString()));

    const SettingsStore reader(path());
    QCOMPARE(reader.readError(), QString());
    QCOMPARE(stored(reader, section, key), u"value"_s);
    QCOMPARE(stored(reader, u"Other"_s, u"k"_s), u"other"_s);
}

void TestSettingsStore::tellsAbsentFromEmpty()
{
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"HomeText"_s, QString()));
    QVERIFY(writer.commit());

    const SettingsStore reader(path());
    QCOMPARE(stored(reader, u"TextSettings"_s, u"HomeText"_s), QString());
    QCOMPARE(reader.GetSetting(u"TextSettings"_s, u"HomeText"_s, u"Home"_s), QString());
    QCOMPARE(stored(reader, u"TextSettings"_s, u"TitleText"_s), u"<absent>"_s);
    QCOMPARE(reader.GetSetting(u"TextSettings"_s, u"TitleText"_s, u"Home"_s), u"Home"_s);
    QCOMPARE(stored(reader, u"NoSuchSection"_s, u"HomeText"_s), u"<absent>"_s);
}

void TestSettingsStore::keepsSectionsApart()
{
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(u"ColorSettings"_s, u"Same"_s, u"colour"_s));
    QVERIFY(writer.SaveSetting(u"KeySettings"_s, u"Same"_s, u"key"_s));
    QVERIFY(writer.commit());

    const SettingsStore reader(path());
    QCOMPARE(stored(reader, u"ColorSettings"_s, u"Same"_s), u"colour"_s);
    QCOMPARE(stored(reader, u"KeySettings"_s, u"Same"_s), u"key"_s);
    QCOMPARE(stored(reader, u"TextSettings"_s, u"Same"_s), u"<absent>"_s);
}

void TestSettingsStore::keepsKeysItDoesNotWrite()
{
    writeBytes(path(), "[Other]\nkept=1\n[TextSettings]\nHomeText=old\n");
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"HomeText"_s, u"new"_s));
    QVERIFY(writer.commit());

    const SettingsStore reader(path());
    QCOMPARE(stored(reader, u"Other"_s, u"kept"_s), u"1"_s);
    QCOMPARE(stored(reader, u"TextSettings"_s, u"HomeText"_s), u"new"_s);
}

void TestSettingsStore::writesReadableIniText()
{
    SettingsStore writer(path());
    QVERIFY(writer.SaveSetting(u"ColorSettings"_s, u"TimeColor"_s, u"33023"_s));
    QVERIFY(writer.SaveSetting(u"KeySettings"_s, u"BuzzerFile"_s, u"C:\\buzzer.wav"_s));
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"HomeText"_s, u"Équipe Ünited 日本"_s));
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"VisitorText"_s, u" a, \"b\" "_s));
    QVERIFY(writer.SaveSetting(u"PicSettings"_s, u"HomePic"_s, QString()));
    QVERIFY(writer.commit());

    const QStringList lines = QString::fromUtf8(bytesOf(path())).split(u'\n');
    // Each expected line, under the section header nearest above it.
    const QList<std::pair<QString, QString>> expected {
        {u"[ColorSettings]"_s, u"TimeColor=33023"_s},
        {u"[KeySettings]"_s, u"BuzzerFile=C:\\\\buzzer.wav"_s},
        {u"[TextSettings]"_s, u"HomeText=Équipe Ünited 日本"_s},
        {u"[TextSettings]"_s, u"VisitorText=\\sa, \"b\"\\s"_s},
        {u"[PicSettings]"_s, u"HomePic="_s},
    };
    for (const auto &[header, line] : expected) {
        const qsizetype index = lines.indexOf(line);
        QVERIFY2(index >= 0, qPrintable(line));
        qsizetype headerIndex = index;
        while (headerIndex > 0 && !lines[headerIndex].startsWith(u'['))
            --headerIndex;
        QCOMPARE(lines[headerIndex], header);
    }
}

void TestSettingsStore::readsHandEditedFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks around names and value") << QByteArray("[ S ]\n  key \t=  value  \n") << u"value"_s;
    QTest::newRow("CRLF line ends") << QByteArray("[S]\r\nkey=value\r\n") << u"value"_s;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[S]\nkey=value\n") << u"value"_s;
    QTest::newRow("comments and blank lines") << QByteArray("; c\n# c\n\n[S]\n;key=x\n\nkey=v\n") << u"v"_s;
    QTest::newRow("later line wins") << QByteArray("[S]\nkey=1\nkey=2\n") << u"2"_s;
    QTest::newRow("section opened twice") << QByteArray("[S]\na=1\n[T]\nkey=x\n[S]\nkey=3\n") << u"3"_s;
    QTest::newRow("value holds = ; #") << QByteArray("[S]\nkey=a=b;c#d\n") << u"a=b;c#d"_s;
    QTest::newRow("no final line end") << QByteArray("[S]\nkey=v") << u"v"_s;
    QTest::newRow("empty value") << QByteArray("[S]\nkey=\n") << QString();
    QTest::newRow("needless escape") << QByteArray("[S]\nkey=\\q\\=\n") << u"q="_s;
    QTest::newRow("hex escape") << QByteArray("[S]\nkey=\\x41\\x7e\n") << u"A~"_s;
}

void TestSettingsStore::readsHandEditedFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    writeBytes(path(), contents);
    const SettingsStore store(path());
    QCOMPARE(store.readError(), QString());
    QCOMPARE(stored(store, u"S"_s, u"key"_s), expected);
}

void TestSettingsStore::skipsUnreadableLines_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<qint64>>("lines");
    QTest::addColumn<QString>("problem");
    QTest::newRow("line without =") << QByteArray("[S]\nkey=1\nhello\n") << QList<qint64> {3}
                                    << u"neither a [section] nor a key=value line"_s;
    QTest::newRow("key before any section")
        << QByteArray("key=1\n") << QList<qint64> {1} << u"before the first [section]"_s;
    QTest::newRow("unclosed section") << QByteArray("[S\nkey=1\n") << QList<qint64> {1, 2} << u"without closing it"_s;
    QTest::newRow("dangling backslash") << QByteArray("[S]\nkey=1\\\n") << QList<qint64> {2} << u"escape"_s;
    QTest::newRow("bad hex escape") << QByteArray("[S]\nkey=\\xZZ\n") << QList<qint64> {2} << u"escape"_s;
    QTest::newRow("cut hex escape") << QByteArray("[S]\nkey=\\x4") << QList<qint64> {2} << u"escape"_s;
    QTest::newRow("not UTF-8") << QByteArray("[S]\nkey=\xff\xfe\nother=2\n") << QList<qint64> {2} << u"UTF-8"_s;
    QTest::newRow("UTF-8 cut at the end") << QByteArray("[S]\nkey=\xC3") << QList<qint64> {2} << u"UTF-8"_s;
    QTest::newRow("binary junk") << QByteArray("\x00\x01\x02\x03garbage", 11) << QList<qint64> {1} << u"neither"_s;
}

// A line that cannot be read is skipped and reported; the rest of the file is read. The next commit
// keeps the file as it was beside it before it replaces it.
void TestSettingsStore::skipsUnreadableLines()
{
    QFETCH(QByteArray, contents);
    QFETCH(QList<qint64>, lines);
    QFETCH(QString, problem);
    writeBytes(path(), contents);
    SettingsStore store(path());
    QVERIFY2(store.readError().isEmpty(), qPrintable(store.readError()));
    QList<qint64> skipped;
    for (const SettingsStore::SkippedLine &line : store.skippedLines())
        skipped << line.number;
    QCOMPARE(skipped, lines);
    QCOMPARE(store.skippedLineCount(), lines.size());
    QVERIFY2(store.skippedLines().first().problem.contains(problem), qPrintable(store.skippedLines().first().problem));
    if (contents.contains("other=2"))
        QCOMPARE(stored(store, u"S"_s, u"other"_s), u"2"_s);
    QVERIFY(store.keepsPreviousFileOnCommit());

    QVERIFY(store.SaveSetting(u"S"_s, u"key"_s, u"2"_s));
    QVERIFY2(store.commit(), qPrintable(store.errorString()));
    QCOMPARE(bytesOf(store.backupFileName()), contents);
    QCOMPARE(stored(SettingsStore(path()), u"S"_s, u"key"_s), u"2"_s);
}

void TestSettingsStore::commitOutcome_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("targetIsFolder");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("missing folders are created") << u"Vantaro/deeper/Vantaro.ini"_s << false << true;
    QTest::newRow("target is a folder") << u"Vantaro.ini"_s << true << false;
    QTest::newRow("parent is a file") << u"plain.txt/Vantaro.ini"_s << false << false;
}

void TestSettingsStore::commitOutcome()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, targetIsFolder);
    QFETCH(bool, succeeds);
    writeBytes(path(u"plain.txt"_s), "not a folder");
    SettingsStore store(path(relativePath));
    QCOMPARE(store.readError(), QString());
    QVERIFY(store.SaveSetting(u"S"_s, u"key"_s, u"value"_s));
    if (targetIsFolder)
        QVERIFY(QDir(m_dir->path()).mkdir(relativePath));

    QCOMPARE(store.commit(), succeeds);
    QCOMPARE(store.errorString().contains(path(relativePath)), !succeeds);
    QCOMPARE(QFileInfo(path(relativePath)).isDir(), targetIsFolder);
    QCOMPARE(bytesOf(path(u"plain.txt"_s)), QByteArray("not a folder"));
    if (succeeds)
        QCOMPARE(stored(SettingsStore(path(relativePath)), u"S"_s, u"key"_s), u"value"_s);
}

void TestSettingsStore::fullDiskKeepsOldFile()
{
    SettingsStore first(path());
    QVERIFY(first.SaveSetting(u"TextSettings"_s, u"HomeText"_s, u"old"_s));
    QVERIFY(first.commit());
    const QByteArray oldBytes = bytesOf(path());

    SettingsStore second(path());
    QVERIFY(second.SaveSetting(u"TextSettings"_s, u"HomeText"_s, QString(100000, u'n')));
    bool committed = true;
    {
        rlimit previous {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 4096; // as if the disk filled up part way through the new file
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &previous); });
        committed = second.commit();
    }

    QVERIFY(!committed);
    QVERIFY2(second.errorString().contains(path()), qPrintable(second.errorString()));
    QCOMPARE(bytesOf(path()), oldBytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"Vantaro.ini"_s});
    // With room again the same store saves.
    QVERIFY(second.commit());
    QCOMPARE(stored(SettingsStore(path()), u"TextSettings"_s, u"HomeText"_s), QString(100000, u'n'));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "testSettingsStore.moc"
