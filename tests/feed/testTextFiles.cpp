#include "feed/StateJson.h"
#include "feed/TextFileWriter.h"
#include "feed/TextFiles.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QString contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : u"<missing>"_s;
}

// The file's inode: a file replaced by renaming a new one over it gets another.
ino_t inode(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

// The text files for streaming tools: one value per file, from the feed's JSON, written on a thread of
// their own, each replaced whole and only when it changed.
class TestTextFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneFilePerValue();
    void onlyChangedFilesAreReplaced();
    void aMissingFolderIsReportedOnce();

private:
    void submit(const QString &folder, const TextFileWriter::Files &files);

    QThread m_thread;
    TextFileWriter *m_writer = nullptr;
    QTemporaryDir m_folder;
};

void TestTextFiles::init()
{
    m_writer = new TextFileWriter;
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread.start();
}

void TestTextFiles::cleanup()
{
    m_thread.quit();
    m_thread.wait();
}

void TestTextFiles::submit(const QString &folder, const TextFileWriter::Files &files)
{
    m_writer->submit(folder, files);
    // Done once a call queued after it has run on the writer's thread.
    QMetaObject::invokeMethod(
        m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void TestTextFiles::oneFilePerValue()
{
    MatchState state;
    state.homeScore = 7;
    state.visitorScore = MatchState::Empty;
    state.sets[0] = {25, 23};
    state.sets[1] = {MatchState::Empty, 4};
    state.WhoPoss = 2;
    Settings settings;
    settings.TitleText = u"Cup"_s;
    settings.HomeText = u"Équipe"_s;
    settings.VisitorText = u"Bears"_s;
    const TextFileWriter::Files files = TextFiles::of(StateJson::build(state, 3, settings, {}));
    const TextFileWriter::Files expected {
        {u"title.txt"_s, u"Cup"_s},           {u"home_name.txt"_s, u"Équipe"_s},
        {u"visitor_name.txt"_s, u"Bears"_s},  {u"home_score.txt"_s, u"7"_s},
        {u"visitor_score.txt"_s, {}},         {u"home_games_won.txt"_s, u"0"_s},
        {u"visitor_games_won.txt"_s, u"0"_s}, {u"set1_home.txt"_s, u"25"_s},
        {u"set1_visitor.txt"_s, u"23"_s},     {u"set2_home.txt"_s, {}},
        {u"set2_visitor.txt"_s, u"4"_s},      {u"set3_home.txt"_s, {}},
        {u"set3_visitor.txt"_s, {}},          {u"set4_home.txt"_s, {}},
        {u"set4_visitor.txt"_s, {}},          {u"possession.txt"_s, u"visitor"_s},
        {u"clock.txt"_s, u"10:00"_s},
    };
    QCOMPARE(files, expected);
    submit(m_folder.path(), files);
    for (auto file = expected.cbegin(); file != expected.cend(); ++file)
        QCOMPARE(contents(m_folder.filePath(file.key())), file.value());
    // Nothing else is left in the folder: no temporary files.
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files).size(), expected.size());
}

void TestTextFiles::onlyChangedFilesAreReplaced()
{
    submit(m_folder.path(), {{u"home_score.txt"_s, u"7"_s}, {u"clock.txt"_s, u"9:59"_s}});
    const ino_t score = inode(m_folder.filePath(u"home_score.txt"_s));
    const ino_t clock = inode(m_folder.filePath(u"clock.txt"_s));
    submit(m_folder.path(), {{u"home_score.txt"_s, u"7"_s}, {u"clock.txt"_s, u"9:58"_s}});
    QCOMPARE(inode(m_folder.filePath(u"home_score.txt"_s)), score);
    QVERIFY(inode(m_folder.filePath(u"clock.txt"_s)) != clock);
    QCOMPARE(contents(m_folder.filePath(u"clock.txt"_s)), u"9:58"_s);
}

void TestTextFiles::aMissingFolderIsReportedOnce()
{
    QSignalSpy failures(m_writer, &TextFileWriter::failed);
    const QString missing = m_folder.filePath(u"not yet"_s);
    submit(missing, {{u"clock.txt"_s, u"9:59"_s}});
    submit(missing, {{u"clock.txt"_s, u"9:58"_s}});
    QTRY_COMPARE(failures.size(), 1);
    QVERIFY(failures.first().first().toString().contains(u"not yet"_s));
    QVERIFY(QDir().mkpath(missing));
    submit(missing, {{u"clock.txt"_s, u"9:57"_s}});
    QCOMPARE(contents(missing + u"/clock.txt"_s), u"9:57"_s);
    // Once writing has worked, a new problem is reported again.
    QVERIFY(QDir(missing).removeRecursively());
    submit(missing, {{u"clock.txt"_s, u"9:56"_s}});
    QTRY_COMPARE(failures.size(), 2);
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "testTextFiles.moc"
