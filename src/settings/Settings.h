#pragma once

#include "core/Currency.h"

#include <QString>
#include <QtGlobal>

// Who can reach the live feed: this computer only (127.0.0.1) or the local network.
enum class FeedNetwork { Local, LAN };

// The section "Feed": the live feed of the match for browsers, streaming tools and the phone remote.
// Pin is the remote control's six digits, empty until one is chosen; TextFolder is where the text files
// for streaming tools go, empty for none.
struct FeedSettings
{
    bool Enabled = false;
    qint32 Port = 0;
    FeedNetwork Network = FeedNetwork::Local;
    QString Pin;
    QString TextFolder;
};

// Every persisted preference of the program in one record, each field named after its key in the
// settings store. Colours are 0x00BBGGRR values and keys are Windows virtual-key codes. The record holds
// zeros and empty texts until LoadSettings fills it; defaults live only in the load. The program works on
// the one process-wide instance; tests and dialogs may keep records of their own.
struct Settings
{
    qint32 FormBack = 0;
    qint32 TimeColor = 0;
    qint32 ScoreColor = 0;
    qint32 SetColor = 0;
    qint32 LEDBack = 0;
    qint32 LEDSelected = 0;
    qint32 BorderColor = 0;
    qint32 HomeColor = 0;
    qint32 VisitorColor = 0;
    qint16 LEDSelectedWidth = 0;
    qint16 StartStopClockKey = 0;
    qint16 ResetClockKey = 0;
    qint16 ClockSwitchKey = 0;
    qint16 ClearKey = 0;
    qint16 BuzzerKey = 0;
    qint16 HomeOneKey = 0;
    qint16 VisitorOneKey = 0;
    qint32 NumLockForce = 0;
    QString TitleText;
    QString HomeText;
    QString VisitorText;
    Currency TeamSize;
    QString BuzzerFile;
    QString HomePic;
    QString VisitorPic;
    QString BoardPic;
    qint16 LEDType = 0;
    // [Screens]: the board's screen by the name Qt reports (empty: the first screen that is not the
    // primary one), and the key that with Ctrl shows the operator console.
    QString BoardScreen;
    qint16 ConsoleKey = 0;
    // [Rules]: the rules assistance. Mode is "Off", "Indoor", "Beach" or "Custom"; the numbers and
    // WinByTwo are the custom rules. The two timeout keys are command keys like the seven above.
    QString Mode;
    qint16 SetsToWin = 0;
    qint16 SetPoints = 0;
    qint16 DecidingSetPoints = 0;
    bool WinByTwo = false;
    bool ServeFollowsPoint = false;
    bool BoardMarker = false;
    qint16 TimeoutKeyHome = 0;
    qint16 TimeoutKeyVisitor = 0;
    bool TimeoutBuzzer = false;
    bool TimeoutOnBoard = false;
    FeedSettings Feed;

    static Settings &instance();
};
