#include "dialogs/RichTextBox.h"

#include "core/Numbers.h"
#include "dialogs/RtfReader.h"

#include <QFile>
#include <QScrollBar>

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

bool RichTextBox::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    RtfReader::read(file.read(MaxFileSize), *document());
    // The document opens at its top, however small the box was while the text went in.
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    return true;
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
