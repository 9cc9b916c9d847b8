#pragma once

#include <QByteArray>
#include <QString>

class Match;
class MonotonicClock;

// The phone remote's commands and the PIN that guards them. A command arrives as the JSON body
// {"pin": "123456", "command": "homePlus"} and runs through the match's own rules, as the keyboard's
// keys do; nothing but these commands can be changed. Five wrong PINs in a row lock every command out
// for a minute, so that six digits cannot be tried through one by one.
class RemoteControl
{
public:
    static constexpr int AllowedWrongPins = 5;
    static constexpr qint64 LockOutSeconds = 60;

    enum class Result { Done, Malformed, UnknownCommand, WrongPin, LockedOut };

    struct Outcome
    {
        Result result;
        QByteArray message;
        // LockedOut: whole seconds until commands are taken again.
        qint64 retryAfterSeconds = 0;
    };

    // The clock must outlive the control.
    RemoteControl(Match &match, const MonotonicClock &clock);

    // A PIN that is not six digits accepts no command.
    void setPin(const QString &pin) { m_pin = pin; }
    Outcome run(const QByteArray &body);

    bool lockedOut() const;

private:
    bool pinMatches(const QString &pin) const;
    Outcome wrongPin();
    Outcome lockedOutcome() const;
    bool runCommand(const QString &command);

    Match &m_match;
    const MonotonicClock &m_clock;
    QString m_pin;
    int m_wrongPins = 0;
    qint64 m_lockedUntil = 0;
};
