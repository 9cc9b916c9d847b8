#pragma once

#include "board/BoardDesign.h"
#include "board/frmScoreboard.h"
#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"
#include "support/FakeNumLock.h"
#include "support/FakeSoundDevice.h"
#include "support/ManualClock.h"
#include "support/Settle.h"
#include "widgets/NumberPanel.h"
#include "widgets/TimePanel.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A board on the offscreen platform with the default settings, a match on a hand-driven clock, a
// recording sound device and a fake NumLock. Keys are typed as the operator types them: real key events delivered to
// whichever element has the focus.
class BoardFixture
{
public:
    BoardFixture()
    {
        SettingsStore emptyStore(m_folder.filePath(QStringLiteral("empty.ini")));
        LoadSettings(emptyStore, settings);
    }

    BoardServices services()
    {
        BoardServices fakes;
        fakes.soundDevice = [this](QObject *owner) { return sound = new FakeSoundDevice(owner); };
        fakes.numLock = &numLock;
        return fakes;
    }

    // Creates and shows the board, once what it reads off the GUI thread (buzzer file check, pictures)
    // has arrived; settings may be changed before.
    frmScoreboard &open()
    {
        board = std::make_unique<frmScoreboard>(BoardDesign::window(), settings, match, services());
        board->showBoard();
        board->activateWindow();
        if (!QTest::qWaitForWindowActive(board.get()))
            qWarning("The board window did not become active");
        // Opened once the maximized size has arrived.
        if (!QTest::qWaitFor([this] { return board->width() > BoardDesign::window().clientWidth / 15; }))
            qWarning("The board was not maximized");
        if (!settleBackgroundWork())
            qWarning("The board's files were not read in time");
        return *board;
    }

    // One of the board's elements, the match's game timer among them.
    template<typename Element = QWidget> Element *find(const QString &name) const
    {
        for (QObject *element : board->elements()) {
            if (element->objectName() == name)
                return qobject_cast<Element *>(element);
        }
        return board->findChild<Element *>(name);
    }

    QString caption(const QString &panel) const { return find<NumberPanel>(panel)->caption(); }
    // Puts a value into a number field of the match, with the clock stopped.
    void setCaption(const QString &panel, const QString &value)
    {
        MatchState state = match.state();
        state.Running = false;
        *numberField(state, panel) = value.toShort();
        match.restore(state);
    }

    static qint16 *numberField(MatchState &state, const QString &panel)
    {
        if (panel == u"nledHomeScore")
            return &state.homeScore;
        if (panel == u"nledVisitorScore")
            return &state.visitorScore;
        if (panel == u"nledHomeGamesWon")
            return &state.homeGamesWon;
        if (panel == u"nledVisitorGamesWon")
            return &state.visitorGamesWon;
        const int set = panel.mid(7, 1).toInt() - 1; // nledSet<n>H or nledSet<n>V
        return panel.endsWith(u'H') ? &state.sets[set].home : &state.sets[set].visitor;
    }

    void focus(const QString &name)
    {
        find(name)->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }

    // Keys as the operator types them: digits, "+", "-", ".", "\r" Enter, " " Space, "#" Delete, capital
    // letters, "<" ">" "^" "v" the arrows; each one a press and a release on the focused element.
    void type(QStringView keys)
    {
        for (QChar key : keys)
            press(qtKey(key));
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
    }

    static Qt::Key qtKey(QChar key)
    {
        switch (key.unicode()) {
        case u'+':
            return Qt::Key_Plus;
        case u'-':
            return Qt::Key_Minus;
        case u'.':
            return Qt::Key_Period;
        case u'\r':
            return Qt::Key_Return;
        case u' ':
            return Qt::Key_Space;
        case u'#':
            return Qt::Key_Delete;
        case u'<':
            return Qt::Key_Left;
        case u'>':
            return Qt::Key_Right;
        case u'^':
            return Qt::Key_Up;
        case u'v':
            return Qt::Key_Down;
        default:
            return Qt::Key(key.unicode()); // digits and capital letters share their Qt key code
        }
    }

    Settings settings;
    ManualClock clock;
    Match match {clock};
    FakeNumLock numLock;
    FakeSoundDevice *sound = nullptr;
    std::unique_ptr<frmScoreboard> board;

private:
    QTemporaryDir m_folder;
};
