#pragma once

#include "widgets/TwipsGeometry.h"

#include <QByteArrayView>
#include <QTextEdit>

#include <memory>

// The help viewer's rich-text box: a read-only text view placed in twips that shows a rich-text document
// built off-screen (readDocument, on any thread) or a plain text, and wraps its lines RightMargin twips
// from its left edge. The operator can scroll, select and copy, but not type: nothing typed there could
// ever be kept.
class RichTextBox : public QTextEdit, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "RichTextBox")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)
    Q_PROPERTY(double RightMargin READ rightMargin WRITE setRightMargin)

public:
    // A help document is a few dozen kilobytes; reading stops here so that a stray huge file cannot
    // exhaust memory, and what was read is shown.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    explicit RichTextBox(QWidget *parent = nullptr);

    // The document the data holds, as rich text (or as plain text when it is not RTF), in the given
    // default font. Built apart from any view, so it takes time linear in the data; safe on any thread.
    // The document belongs to the application's main thread and is deleted through its event loop.
    static std::shared_ptr<QTextDocument> readDocument(QByteArrayView data, const QFont &font);
    // Shows the document, from its top. The box does not own it: the caller keeps it alive.
    void showDocument(QTextDocument *document);
    QString text() const { return toPlainText(); }
    void setText(const QString &text) { setPlainText(text); }

    int rightMargin() const { return m_rightMargin; }
    void setRightMargin(double twips);
    void refresh();

private:
    int m_rightMargin = 0;
};
