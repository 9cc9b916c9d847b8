#pragma once

#include <QString>

class Element;
class Image;

// Loads a picture file into an image element and fits it into its container, keeping its proportions,
// centred. A path that names no file, or a file that is not a readable picture of sensible size,
// leaves the image with the picture, size and place it had.
namespace PictureFit {

void FitPicture(Image *image, const Element *container, const QString &path);

} // namespace PictureFit
