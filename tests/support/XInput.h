#pragma once

#include <QPoint>
#include <QString>
#include <QStringView>
#include <QWidget>

// After every Qt header: Xlib's macros (None, KeyPress, Bool...) would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

// Real key presses and clicks through an X server, as a keyboard and a mouse give them.
class XInput
{
public:
    explicit XInput(const QString &display = {})
        : m_display(XOpenDisplay(display.isEmpty() ? nullptr : display.toLocal8Bit().constData()))
    {
    }
    ~XInput()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    XInput(const XInput &) = delete;
    XInput &operator=(const XInput &) = delete;

    bool isOpen() const { return m_display; }
    Display *display() const { return m_display; }

    void click(QPoint at)
    {
        XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }

    void click(const QWidget *widget, QPoint local) { click(widget->mapToGlobal(local)); }
    void click(const QWidget *widget) { click(widget, widget->rect().center()); }

    // Letters (capitals with Shift), digits and the full stop, typed one by one.
    void type(QStringView text)
    {
        for (const QChar c : text) {
            if (c == u'.')
                key(XK_period);
            else if (c.isUpper())
                key(XK_a + (c.unicode() - u'A'), XK_Shift_L);
            else
                key(KeySym(c.unicode()));
        }
    }

    void key(KeySym symbol, KeySym modifier = NoSymbol)
    {
        if (modifier != NoSymbol)
            send(modifier, True);
        send(symbol, True);
        send(symbol, False);
        if (modifier != NoSymbol)
            send(modifier, False);
        XFlush(m_display);
    }

    // A physical key by its X key code, whatever the keyboard layout prints on it.
    void pressKeyCode(unsigned keyCode)
    {
        XTestFakeKeyEvent(m_display, keyCode, True, CurrentTime);
        XTestFakeKeyEvent(m_display, keyCode, False, CurrentTime);
        XFlush(m_display);
    }

private:
    void send(KeySym symbol, int down)
    {
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), down, CurrentTime);
    }

    Display *m_display;
};
