#include "match/MatchJournal.h"

#include "match/JournalFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// A journal is a few hundred kilobytes at most; anything far larger is not ours to read into memory.
constexpr qint64 MaximumJournalSize = 64 * 1024 * 1024;

} // namespace

QString MatchJournal::defaultPath()
{
#ifdef Q_OS_WIN
    const QString state = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + u"/.local/state"_s;
#endif
    return state + u"/Vantaro/match.journal"_s;
}

QString MatchJournal::newFilePath(const QString &path)
{
    return path + u".new"_s;
}

MatchJournal::Recovery MatchJournal::recover(const QString &path)
{
    Recovery recovery;
    bool finished = false;
    bool readable = true;
    // A fresh start that had not yet replaced the journal holds the newer state.
    std::optional<MatchState> state = lastState(newFilePath(path), &finished, &readable);
    if (!state) {
        readable = true;
        state = lastState(path, &finished, &readable);
    }
    recovery.unreadable = !readable;
    if (state && !finished && !state->isFresh())
        recovery.interrupted = state;
    return recovery;
}

std::optional<MatchState> MatchJournal::lastState(const QString &file, bool *finished, bool *readable)
{
    const QFileInfo info(file);
    if (!info.exists())
        return std::nullopt;
    QFile journal(file);
    if (!info.isFile() || info.size() > MaximumJournalSize || !journal.open(QIODevice::ReadOnly)) {
        *readable = false;
        return std::nullopt;
    }
    const QList<JournalFormat::Record> records = JournalFormat::read(journal.readAll());
    std::optional<MatchState> state;
    for (const JournalFormat::Record &record : records) {
        if (record.kind == JournalFormat::Kind::Finished) {
            *finished = true;
        } else if (record.kind == JournalFormat::Kind::State) {
            if (const auto decoded = MatchState::fromBytes(record.data)) {
                state = decoded;
                *finished = false;
            }
        }
    }
    *readable = state.has_value() || *finished;
    return state;
}

MatchJournal::MatchJournal(QString path)
    : m_path(std::move(path))
{
}

MatchJournal::~MatchJournal() = default;

bool MatchJournal::begin(const MatchState &state)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_error = u"cannot create the folder %1"_s.arg(QFileInfo(m_path).absolutePath());
        return false;
    }
    auto file = std::make_shared<QFile>(newFilePath(m_path));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = file->errorString();
        return false;
    }
    const QByteArray start
        = JournalFormat::header() + JournalFormat::record(JournalFormat::Kind::State, state.toBytes());
    if (file->write(start) != start.size()) {
        m_error = file->errorString();
        return false;
    }
    m_file = file;
    m_last = state;
    m_records = 1;
    m_sync.requestPromotion(file, m_path);
    return true;
}

void MatchJournal::append(const MatchState &state)
{
    if (!m_file || state == m_last)
        return;
    if (m_records >= RecordsPerFile && !m_sync.promotionPending() && begin(state))
        return;
    if (writeRecord(JournalFormat::record(JournalFormat::Kind::State, state.toBytes())))
        m_last = state;
}

void MatchJournal::finish()
{
    if (!m_file)
        return;
    writeRecord(JournalFormat::record(JournalFormat::Kind::Finished));
    m_sync.waitUntilSynced();
}

void MatchJournal::waitUntilSynced()
{
    m_sync.waitUntilSynced();
}

bool MatchJournal::writeRecord(const QByteArray &record)
{
    const qint64 end = m_file->pos();
    if (m_file->write(record) != record.size()) {
        // A record cut short by a full disk would hide every later one from the reader.
        m_error = m_file->errorString();
        m_file->resize(end);
        m_file->seek(end);
        return false;
    }
    ++m_records;
    m_sync.requestSync(m_file);
    return true;
}
