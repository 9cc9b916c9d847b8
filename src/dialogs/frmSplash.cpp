#include "dialogs/frmSplash.h"

#include "dialogs/SplashDesign.h"
#include "dialogs/SplashLogo.h"
#include "settings/SettingsIo.h"
#include "widgets/AutoSizePictureBox.h"
#include "widgets/CommandButton.h"
#include "widgets/DesignBuilder.h"
#include "widgets/Frame.h"
#include "widgets/Label.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

frmSplash::frmSplash(const SettingsStore &store, Settings &settings, SplashLogo &logo, Start start, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"frmSplash"_s);
    const WindowDesign design = SplashDesign::window();
    setWindowTitle(design.caption);
    // The load handler's height, not the design's.
    resize(design.clientWidth / TwipsGeometry::TwipsPerPixel, LoadedHeight / TwipsGeometry::TwipsPerPixel);
    placeOnScreen();
    // The window manager maps the window while its controls and their fonts are made, rather than after:
    // nothing is painted before the event loop runs, and by then the controls are all there.
    if (start == Start::Shown)
        show();
    setFont(SplashDesign::dialogFont());

    DesignBuilder builder;
    // The splash's picture box shows the logo at its own size.
    builder.setFactory(u"PictureBox"_s,
                       [](QObject *owner) { return new AutoSizePictureBox(qobject_cast<QWidget *>(owner)); });
    m_elements = builder.build(this, design.elements);
    connect(element<CommandButton>(u"cmdHelp"_s), &QPushButton::clicked, this, &frmSplash::cmdHelp_Click);
    connect(element<CommandButton>(u"cmdOptions"_s), &QPushButton::clicked, this, &frmSplash::cmdOptions_Click);
    // A click on the window, the frame, the logo or any label goes to the board.
    for (QWidget *clickable :
         {static_cast<QWidget *>(this), element<QWidget>(u"frameSplash"_s), element<QWidget>(u"picLogo"_s)})
        clickable->installEventFilter(this);
    for (Label *label : findChildren<Label *>()) {
        label->setClickable(true);
        connect(label, &Label::clicked, this, &frmSplash::GoScore);
    }

    Form_Load(store, settings);
    // Controls made in a window that is already shown stay hidden until they are shown themselves.
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
            control->show();
    }
    element<QWidget>(u"cmdHelp"_s)->setFocus(Qt::OtherFocusReason);
    element<AutoSizePictureBox>(u"picLogo"_s)->setPicture(logo.take());
}

template<typename Element> Element *frmSplash::element(const QString &name) const
{
    return findChild<Element *>(name);
}

void frmSplash::Form_Load(const SettingsStore &store, Settings &settings)
{
    element<Frame>(u"frameSplash"_s)->setHeightTwips(3120);
    element<Label>(u"lblVersion"_s)->setCaption(versionText());
    m_loadReport = LoadSettings(store, settings);
}

void frmSplash::placeOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPointF topLeft = startPosition(QSizeF(screen->geometry().size()) * TwipsGeometry::TwipsPerPixel,
                                          double(width()) * TwipsGeometry::TwipsPerPixel);
    move(screen->geometry().topLeft()
         + QPoint(TwipsGeometry::twipsToPixels(topLeft.x()), TwipsGeometry::twipsToPixels(topLeft.y())));
}

QPointF frmSplash::startPosition(QSizeF screenTwips, double splashWidthTwips)
{
    return {(screenTwips.width() - splashWidthTwips) / 2, (screenTwips.height() - PlacementHeight) / 2};
}

QString frmSplash::versionText()
{
    return tr("Version %1")
        .arg(u"%1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH));
}

void frmSplash::GoScore()
{
    if (m_gone)
        return;
    m_gone = true;
    // The board is up before the splash goes, so that the program never finds itself without a window.
    if (m_openBoard)
        m_openBoard();
    setAttribute(Qt::WA_DeleteOnClose);
    close();
}

void frmSplash::cmdHelp_Click()
{
    if (m_showHelp)
        m_showHelp(this);
}

void frmSplash::cmdOptions_Click()
{
    if (m_showOptions)
        m_showOptions(this);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *click = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        if (click->button() == Qt::LeftButton && widget->rect().contains(click->position().toPoint())) {
            GoScore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
