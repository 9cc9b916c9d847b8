#pragma once

#include <QList>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class QTextDocument;
class RichTextBox;

// The help viewer: a plain, sizable, white window that shows the help document "vantarohelpfile.rtf"
// from the program's folder in its one rich-text box, rtbHelp. Creating it is loading it: the document
// is read then, and again only by a new viewer after this one was closed. The file is read and the
// document built off the GUI thread, so that neither a long document nor a file that never answers holds
// up the board; the box is empty until the document is shown (documentShown()). Its resize rule keeps the
// window at least 2700 x 1700 twips (outer size) and the box fitted to it: the window's width less 240
// and its height less 420, wrapping 450 twips inside the box's right edge.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 2700; // twips, outer size
    static constexpr int MinimumHeight = 1700;

    static QString fileName();
    // The help documents to look for in the program's folder, in order: the translations for the locale's
    // languages ("vantarohelpfile.de.rtf"), then the English one.
    static QStringList fileNames(const QLocale &locale);
    // Shown in place of the document when the file is not in the program's folder.
    static QString missingFileText();

    // Builds the window from its design and runs its load handler.
    explicit frmHelp(const QString &programFolder, QWidget *parent = nullptr);

    const QList<QObject *> &elements() const { return m_elements; }
    RichTextBox *rtbHelp() const { return m_box; }
    // The document, or the notice in its place, is still on its way.
    bool isLoading() const { return m_loading; }

    // The window's outer size, frame and title bar included, in twips.
    QSize outerSizeTwips() const;
    // Where the box goes, in twips, for a window of the given outer and client sizes: the resize rule,
    // kept inside the client area where a window manager's frame is thicker than the design's.
    static QRect boxGeometry(QSize outerTwips, QSize clientTwips);

signals:
    // The document, or the notice that it is missing, is in the box.
    void documentShown();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load(const QString &programFolder);
    void showLoaded(const std::shared_ptr<QTextDocument> &document);
    void Form_Resize();
    QSize frameExtra() const;

    QList<QObject *> m_elements;
    RichTextBox *m_box = nullptr;
    std::shared_ptr<QTextDocument> m_document;
    bool m_loading = false;
};
