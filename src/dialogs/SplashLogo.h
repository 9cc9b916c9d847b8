#pragma once

#include <QImage>
#include <QString>

#include <future>

// The splash's logo, read from the program's folder on a thread of its own from the moment this is
// made: decoding it loads Qt's image plugins, and so that happens while the splash's fonts and controls
// are being made rather than after them.
class SplashLogo
{
public:
    explicit SplashLogo(const QString &programFolder);
    // No logo: the splash shows an empty picture box.
    SplashLogo() = default;

    // The logo, once it has been read; a null image when there is none or it was taken already.
    QImage take();

private:
    std::future<QImage> m_image;
};
