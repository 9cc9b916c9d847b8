#include "dialogs/RichTextBox.h"

#include "core/Numbers.h"
#include "dialogs/RtfReader.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextDocument>
#include <QThread>

#include <algorithm>

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
    , TwipsGeometry(this)
{
    setReadOnly(true);
    // No caret: the arrow and page keys scroll the text, the mouse selects it for copying.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
}

std::shared_ptr<QTextDocument> RichTextBox::readDocument(QByteArrayView data, const QFont &font)
{
    std::shared_ptr<QTextDocument> document(new QTextDocument,
                                            [](QTextDocument *document) { document->deleteLater(); });
    document->setDefaultFont(font);
    RtfReader::read(data, *document);
    // Handed to the view on the main thread, where it is also deleted.
    if (QCoreApplication *application = QCoreApplication::instance())
        document->moveToThread(application->thread());
    return document;
}

void RichTextBox::showDocument(QTextDocument *document)
{
    setDocument(document);
    // The document opens at its top.
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

void RichTextBox::setRightMargin(double twips)
{
    m_rightMargin = Numbers::toInt32(twips).value_or(0);
    setLineWrapColumnOrWidth(std::max(1, twipsToPixels(m_rightMargin)));
}

void RichTextBox::refresh()
{
    viewport()->update();
}
