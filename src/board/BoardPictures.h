#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <array>

class Element;
class Image;
class PictureLoader;
class QWidget;
struct LoadedPicture;
struct Settings;

// The board's three pictures (home, visitor, board). Each is read and decoded off the GUI thread when
// its path changes, kept at about the size of the largest box on the largest screen, and fitted into its
// box again from what is kept on every resize: a resize never reads a file. While a picture is being
// read its box goes on showing what it showed; an empty path empties the box at once, and so does a file
// that turns out not to be a picture that can be shown. A path shown before is looked at again (its
// file's stamp, off the GUI thread) at most every few seconds when the pictures are shown again, so that
// a file changed on disk is read again; an unchanged file is not.
class BoardPictures : public QObject
{
    Q_OBJECT

public:
    // The board window's pictures; made on first use, as a child of the board.
    static BoardPictures &of(QWidget *board);

    explicit BoardPictures(QWidget *board);
    ~BoardPictures() override;

    // Shows the pictures the settings name.
    void show(const Settings &settings);
    // Pictures being read.
    int pending() const;

    // A path shown before is looked at again no sooner than this after the last look.
    static constexpr int RecheckMilliseconds = 2000;

private:
    struct Slot
    {
        Image *image = nullptr;
        const Element *container = nullptr;
        QString Settings::*setting = nullptr;
        PictureLoader *loader = nullptr;
        QString path; // the path shown or being read
        QElapsedTimer sinceRead;
    };

    void arrived(Slot &slot, const LoadedPicture &picture);

    std::array<Slot, 3> m_slots;
};
