#pragma once

#include "match/DiskSync.h"
#include "match/MatchState.h"

#include <QString>

#include <memory>
#include <optional>

class QFile;

// The match's crash journal: every change is appended before any view shows it, and forced to the disk
// shortly after on a thread of its own, so that a killed program loses nothing it showed and a power cut
// at most the last moments. A normal end of the program marks the journal finished. Now and then the
// journal starts over from one record of the whole state, so it stays small however long the match.
class MatchJournal
{
public:
    // What the previous run left behind.
    struct Recovery
    {
        // The match of a run that did not end normally, when it was more than a fresh board.
        std::optional<MatchState> interrupted;
        // The journal exists but nothing in it could be read.
        bool unreadable = false;
    };

    // Records between two fresh starts of the file.
    static constexpr int RecordsPerFile = 2000;

    // $XDG_STATE_HOME/Vantaro/match.journal, by default under ~/.local/state.
    static QString defaultPath();
    static Recovery recover(const QString &path);

    explicit MatchJournal(QString path);
    ~MatchJournal();

    // Starts this run's journal from state; false when the file cannot be written (see errorString),
    // and the match then goes on without a journal.
    bool begin(const MatchState &state);
    void append(const MatchState &state);
    // The program is ending normally; returns once the mark is on the disk.
    void finish();
    // Waits until every record so far is on the disk.
    void waitUntilSynced();

    QString errorString() const { return m_error; }
    QString path() const { return m_path; }

private:
    static QString newFilePath(const QString &path);
    static std::optional<MatchState> lastState(const QString &file, bool *finished, bool *readable);
    bool writeRecord(const QByteArray &record);

    QString m_path;
    QString m_error;
    std::shared_ptr<QFile> m_file;
    MatchState m_last;
    int m_records = 0;
    DiskSync m_sync;
};
