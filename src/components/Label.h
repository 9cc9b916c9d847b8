#pragma once

#include "Element.h"

// A text element drawn on its container's surface: transparent background, one line of text in a
// chosen font and colour, centred unless told otherwise. Its font size is a real number of points so
// that the layout engine can scale it smoothly. Clicks pass through to the container unless someone
// listens for them (setClickable).
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

public:
    // Alignment values as the design tables give them.
    enum TextAlignment { LeftJustify = 0, RightJustify = 1, Center = 2 };

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
    // Kept for the design tables; the label never paints a background of its own.
    int backColor() const { return m_backColor; }
    void setBackColor(int color) { m_backColor = color; }
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);

    void setClickable(bool clickable);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyFont();

    QString m_caption;
    double m_fontSize = 8.25;
    QString m_fontName = QStringLiteral("Arial");
    bool m_fontBold = false;
    int m_foreColor = 0;
    int m_backColor = 0xFFFFFF;
    int m_alignment = Center;
};
