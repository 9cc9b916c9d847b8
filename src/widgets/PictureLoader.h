#pragma once

#include "core/FileAccess.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

// A picture file as read for showing: decoded at no more than the size it is shown at, or why it cannot
// be shown.
struct LoadedPicture
{
    QString path;
    QImage image; // null when the file cannot be shown
    QString problem; // why not, as the end of a sentence: "it is a folder, not a file"
    FileAccess::Stamp stamp; // of the file that was decoded
    QSize fullSize; // as the file declares it; invalid when unknown

    bool isShown() const { return !image.isNull(); }
};

// Reads and decodes picture files off the GUI thread, so that neither a huge photo nor a file that never
// answers (a named pipe, a network drive that stopped responding) holds up the window that shows it.
// Each picture is decoded scaled to fit within the loader's bound (QImageReader::setScaledSize), never
// at its full size: a 100-megapixel photo takes a moment of a worker thread and a few megabytes. Any
// size Qt can decode is accepted; the only cap on memory is Qt's own allocation limit.
//
// The last few decoded pictures are kept, process-wide, with the stamp of their file: asking again for
// an unchanged file (a resize, the options dialog's previews, the board after the dialog's OK) only looks
// at the file's stamp, off the GUI thread, and hands the kept picture back. A changed file is decoded
// again. Results come back through loaded(), on the GUI thread, in the order the work finishes; a
// receiver keeps the path it wants and ignores results for other paths.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    PictureLoader(QSize bound, QObject *parent = nullptr);
    ~PictureLoader() override;

    QSize bound() const { return m_bound; }
    // Starts reading the picture; loaded() follows. An empty path gives a result without a picture.
    void load(const QString &path);
    // Requests whose result has not arrived yet.
    int pending() const { return m_pending; }

    // What load() does off the GUI thread, on the calling thread: reads and decodes the file.
    static LoadedPicture decode(const QString &path, QSize bound);
    // The kept decoded pictures, at most this many.
    static constexpr int KeptPictures = 6;
    // Forgets every kept picture.
    static void forgetKeptPictures();

signals:
    void loaded(const LoadedPicture &picture);

private:
    void arrived(const LoadedPicture &picture);

    QSize m_bound;
    int m_pending = 0;
};
