#pragma once

// Keeps the screen saver and the display's power saving away while the board is on the projector:
// suspended from inhibit() until release() or destruction. On X11 the server itself holds the
// suspension (XScreenSaverSuspend), so it also ends when the program dies; elsewhere it does nothing.
class ScreenSaver
{
public:
    ScreenSaver() = default;
    ~ScreenSaver();
    ScreenSaver(const ScreenSaver &) = delete;
    ScreenSaver &operator=(const ScreenSaver &) = delete;

    // False when the platform offers no way to do it.
    bool inhibit();
    void release();
    bool isInhibited() const { return m_inhibited; }

private:
    bool suspend(bool suspended);

    bool m_inhibited = false;
};
