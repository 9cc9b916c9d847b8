#include "match/JournalFormat.h"

#include "core/Crc32.h"

#include <QtEndian>

namespace JournalFormat {

namespace {

constexpr QByteArrayView Magic = "VANTARO-JOURNAL-1\n";
constexpr qsizetype RecordHeaderSize = 8;
// A state is some 60 bytes; anything near this is damage, not a record.
constexpr quint32 MaximumPayload = 4096;

} // namespace

QByteArray header()
{
    return Magic.toByteArray();
}

QByteArray record(Kind kind, QByteArrayView data)
{
    QByteArray payload;
    payload.reserve(1 + data.size());
    payload.append(static_cast<char>(kind));
    payload.append(data);
    QByteArray bytes(RecordHeaderSize, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(payload.size()), bytes.data());
    qToLittleEndian<quint32>(crc32(payload), bytes.data() + 4);
    return bytes + payload;
}

QList<Record> read(QByteArrayView contents)
{
    QList<Record> records;
    if (!contents.startsWith(Magic))
        return records;
    qsizetype at = Magic.size();
    while (contents.size() - at >= RecordHeaderSize) {
        const quint32 length = qFromLittleEndian<quint32>(contents.data() + at);
        const quint32 checksum = qFromLittleEndian<quint32>(contents.data() + at + 4);
        if (length == 0 || length > MaximumPayload || contents.size() - at - RecordHeaderSize < length)
            break;
        const QByteArrayView payload = contents.sliced(at + RecordHeaderSize, length);
        if (crc32(payload) != checksum)
            break;
        records.append({static_cast<Kind>(payload.front()), payload.sliced(1).toByteArray()});
        at += RecordHeaderSize + length;
    }
    return records;
}

} // namespace JournalFormat
