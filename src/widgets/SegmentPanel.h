#pragma once

#include "widgets/LedPanel.h"

// The digit-style preview of the options dialog: its Caption (normally one digit) in the chosen LedType,
// with margins of a tenth of the panel's smaller side. Each character of Caption is a cell; a character
// without a glyph shows as a dark cell.
class SegmentPanel : public LedPanel
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "SegmentPanel")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    explicit SegmentPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    QString currentCells() const override;
    LedLayout::Spacing spacing() const override;

private:
    QString m_caption = QStringLiteral("8");
};
