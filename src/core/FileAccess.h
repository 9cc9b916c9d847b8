#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QFile;
class QObject;

// Opening the files the program reads at run time (settings, buzzer sound, pictures, help document) so
// that nothing but an ordinary file is ever opened: a folder, a named pipe, a device or a socket in a
// file's place is refused before it is opened (a named pipe opened for reading would wait for a writer
// forever), and again after, in case the name was replaced in between. The file system itself may
// still keep a caller waiting (a network drive that stopped answering): call these off the GUI thread,
// through BackgroundWork.
namespace FileAccess {

// What identifies a file's contents as they were read: a later change of the file, or another file put
// in its place, gives another stamp.
struct Stamp
{
    qint64 size = -1;
    qint64 modifiedNanoseconds = 0;
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const Stamp &) const = default;
};

struct Opened
{
    std::unique_ptr<QFile> file; // open for reading; null when refused
    Stamp stamp;
    bool missing = false; // nothing of that name exists
    QString problem; // why it was refused, as the end of a sentence: "it is a folder, not a file"
};

struct Contents
{
    QByteArray bytes;
    Stamp stamp;
    bool missing = false;
    QString problem;
};

enum class Larger {
    Refuse, // a file larger than the limit is refused unread
    Truncate, // its first bytes up to the limit are read
};

// The stamp of an ordinary file, or the problem with the name, without opening it.
Opened inspect(const QString &path);
// Opens an ordinary file for reading without ever waiting for a writer.
Opened openRegular(const QString &path);
// Reads an ordinary file whole, or up to maxBytes.
Contents readRegular(const QString &path, qint64 maxBytes, Larger larger);

// Asks off the calling thread whether path names an ordinary file, and calls done with the answer on
// the thread of context (through its event loop), unless context has been destroyed by then.
void whenChecked(QObject *context, const QString &path, std::function<void(bool isOrdinaryFile)> done);

// Called with the path on the calling thread each time one of the above is about to ask the file
// system; tests put a wait in it to play a network drive that stops answering. Null by default.
void setFileSystemDelayForTesting(std::function<void(const QString &path)> delay);

} // namespace FileAccess
