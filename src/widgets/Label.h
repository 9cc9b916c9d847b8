#pragma once

#include "widgets/Element.h"
#include "widgets/PaintCache.h"

#include <QFont>

// A text element drawn on its container's surface: transparent background, one line of text in a
// chosen font and colour, centred unless told otherwise. Its font size is a real number of points so
// that the layout engine can scale it smoothly. A label keeps the clicks it receives: they never reach
// the container beneath, so a click on a label inside a picture box does not give the box the focus. A
// clickable label (setClickable) reports them; on any other a click changes nothing. A dialog's labels
// may also fill their background (BackStyle 1), wear a sunken frame (BorderStyle 1, which centres the text
// vertically in it), wrap their text at word boundaries (WordWrap) or take the size of their text on one
// line, frame included (AutoSize), which is how text is measured. A dialog's label also shrinks its font where
// the caption would not fit its box at the design size (ShrinkToFit); the board's team names keep their size.
class Label : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Label")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(double FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool ShrinkToFit READ shrinkToFit WRITE setShrinkToFit)

public:
    // Alignment values as the design tables give them.
    enum TextAlignment { LeftJustify = 0, RightJustify = 1, Center = 2 };
    enum Style { Transparent = 0, Opaque = 1 };
    enum Border { NoBorder = 0, FixedSingle = 1 };

    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name);
    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool bold);
    int foreColor() const { return m_foreColor; }
    void setForeColor(int color);
    // Painted only with BackStyle Opaque.
    int backColor() const { return m_backColor; }
    void setBackColor(int color);
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    bool shrinkToFit() const { return m_shrinkToFit; }
    void setShrinkToFit(bool shrink);
    void setClickable(bool clickable);
    // True when the caption, wrapped if WordWrap is on, fits inside the label and its frame at FontSize.
    bool captionFits() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintLook(QPainter &painter) const;
    void applyFont();
    void fitToText();
    void showFittedFont();
    QRect textRect() const;
    int textFlags() const;
    int borderPixels() const { return m_borderStyle == FixedSingle ? 2 : 0; }

    QString m_caption;
    QFont m_designFont;
    double m_fontSize = 8.25;
    QString m_fontName = QStringLiteral("Arial");
    bool m_fontBold = false;
    int m_foreColor = 0;
    int m_backColor = 0xFFFFFF;
    int m_alignment = Center;
    int m_backStyle = Transparent;
    int m_borderStyle = NoBorder;
    bool m_wordWrap = false;
    bool m_autoSize = false;
    bool m_shrinkToFit = false;
    bool m_clickable = false;
    PaintCache m_paintCache;
};
