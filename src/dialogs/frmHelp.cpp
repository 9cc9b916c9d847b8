#include "dialogs/frmHelp.h"

#include "core/BackgroundWork.h"
#include "core/FileAccess.h"
#include "dialogs/HelpDesign.h"
#include "dialogs/RichTextBox.h"
#include "widgets/DesignBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int BoxLeft = 120;
constexpr int BoxTop = 0;
constexpr int WidthAllowance = 240;
constexpr int HeightAllowance = 420;
constexpr int WrapInset = 450;

// Whole pixels of at least the given twips, so that a minimum reached is a minimum kept.
int pixelsCovering(int twips)
{
    return (twips + TwipsGeometry::TwipsPerPixel - 1) / TwipsGeometry::TwipsPerPixel;
}

} // namespace

QString frmHelp::fileName()
{
    return u"vantarohelpfile.rtf"_s;
}

QStringList frmHelp::fileNames(const QLocale &locale)
{
    // "de_AT" then "de": the most specific translation there is, else the English document.
    QStringList names;
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        for (const QString &language : {locale.name(), locale.name().section(u'_', 0, 0)}) {
            const QString name = u"vantarohelpfile.%1.rtf"_s.arg(language);
            if (!names.contains(name))
                names.append(name);
        }
    }
    names.append(fileName());
    return names;
}

QString frmHelp::missingFileText()
{
    return tr("Help file has been moved from its normal location.  Please reinstall the program.");
}

frmHelp::frmHelp(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"frmHelp"_s);
    const WindowDesign design = HelpDesign::window();
    setWindowTitle(DesignBuilder::translated(objectName(), design.caption));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    resize(design.clientWidth / TwipsGeometry::TwipsPerPixel, design.clientHeight / TwipsGeometry::TwipsPerPixel);

    DesignBuilder builder;
    builder.setFactory(u"RichTextBox"_s,
                       [](QObject *owner) { return new RichTextBox(qobject_cast<QWidget *>(owner)); });
    m_elements = builder.build(this, design.elements);
    m_box = findChild<RichTextBox *>(u"rtbHelp"_s);
    Form_Load(programFolder);
}

namespace {

// Reads the help file and builds its document, off the GUI thread; null when there is no usable file.
std::shared_ptr<QTextDocument> readHelp(const QStringList &paths, const QFont &font)
{
    // The first that exists: a translation that is there but damaged is not silently replaced.
    const auto found
        = std::find_if(paths.cbegin(), paths.cend() - 1, [](const QString &path) { return QFileInfo::exists(path); });
    const QString &path = *found;
    // An ordinary file only: a folder, a named pipe or a hidden file of that name does not count.
    const FileAccess::Contents contents
        = FileAccess::readRegular(path, RichTextBox::MaxFileSize, FileAccess::Larger::Truncate);
    if (!contents.problem.isEmpty() || QFileInfo(path).isHidden())
        return nullptr;
    return RichTextBox::readDocument(contents.bytes, font);
}

} // namespace

void frmHelp::Form_Load(const QString &programFolder)
{
    QStringList paths;
    for (const QString &name : fileNames(QLocale()))
        paths.append(QDir(programFolder).filePath(name));
    const QFont font = m_box->font();
    m_loading = true;
    using Document = std::shared_ptr<QTextDocument>;
    auto *watcher = new QFutureWatcher<Document>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        showLoaded(watcher->future().resultCount() > 0 ? watcher->future().result() : nullptr);
    });
    watcher->setFuture(BackgroundWork::run<Document>([paths, font] { return readHelp(paths, font); }));
}

void frmHelp::showLoaded(const std::shared_ptr<QTextDocument> &document)
{
    m_loading = false;
    if (document) {
        m_document = document;
        m_box->showDocument(document.get());
    } else {
        m_box->setText(missingFileText());
    }
    emit documentShown();
}

QSize frmHelp::frameExtra() const
{
    return frameGeometry().size() - size();
}

QSize frmHelp::outerSizeTwips() const
{
    return frameGeometry().size() * TwipsGeometry::TwipsPerPixel;
}

QRect frmHelp::boxGeometry(QSize outerTwips, QSize clientTwips)
{
    const int width = std::min(outerTwips.width() - WidthAllowance, clientTwips.width() - BoxLeft);
    const int height = std::min(outerTwips.height() - HeightAllowance, clientTwips.height() - BoxTop);
    return {BoxLeft, BoxTop, std::max(0, width), std::max(0, height)};
}

void frmHelp::Form_Resize()
{
    if (isMinimized())
        return;
    // The window manager can keep a drag from going below the minimum at all, once the frame is known.
    const QSize least = QSize(pixelsCovering(MinimumWidth), pixelsCovering(MinimumHeight)) - frameExtra();
    setMinimumSize(least);
    // Snapping to the minimum resizes the window, and that resize runs this rule again.
    const QSize outer = outerSizeTwips();
    if (outer.height() < MinimumHeight || outer.width() < MinimumWidth) {
        resize(size().expandedTo(least));
        return;
    }
    const QRect box = boxGeometry(outer, size() * TwipsGeometry::TwipsPerPixel);
    m_box->setTwipsGeometry(box.left(), box.top(), box.width(), box.height());
    m_box->setRightMargin(box.width() - WrapInset);
    m_box->refresh();
}

void frmHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmHelp::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Restoring from the task bar may bring back the old size without a resize.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmHelp::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager's frame arrives with a move, not a resize, and it counts in the outer size.
    Form_Resize();
}

void frmHelp::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}
