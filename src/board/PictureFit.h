#pragma once

#include <QImage>
#include <QSize>

class Element;
class Image;

// The board's picture rule: a picture is scaled to fit its container, keeping its proportions, and
// centred in it; an empty path, or a file that cannot be shown, means no picture.
namespace PictureFit {

// The largest screen the board is made for; pictures are decoded for it.
inline constexpr QSize LargestScreen {3840, 2160};

// The size pictures are decoded to fit within: the largest of the board's picture boxes on the largest
// screen, from the board's design. A picture decoded to it looks as sharp as the screen can show it in
// any of the boxes, and no larger picture is ever held in memory.
QSize decodeBound();

// Puts the picture into the image element and fits it into its container; a null picture leaves the
// container empty.
void ShowPicture(Image *image, const Element *container, const QImage &picture);
// Fits the picture the image already holds into its container again, as after a resize.
void Refit(Image *image, const Element *container);

} // namespace PictureFit
