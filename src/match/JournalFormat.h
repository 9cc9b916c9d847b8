#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The journal's file layout: a magic header, then records of [payload length][CRC-32 of the payload]
// [payload], each payload a kind byte and its data. A file is read up to the first record that is cut
// short or does not match its checksum: whatever a crash left half-written is ignored.
namespace JournalFormat {

enum class Kind : char {
    // A whole MatchState.
    State = 1,
    // The program ended normally; no match is waiting to be resumed.
    Finished = 2,
};

struct Record
{
    Kind kind;
    QByteArray data;
};

QByteArray header();
QByteArray record(Kind kind, QByteArrayView data = {});
// The records of a file's contents, up to the last good one; nothing when the header is not ours.
QList<Record> read(QByteArrayView contents);

} // namespace JournalFormat
