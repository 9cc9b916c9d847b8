#pragma once

#include "dialogs/CommonDialog.h"

// The pickers of the options dialog on Qt: QColorDialog and QFileDialog, modal over the widget that
// owns this element.
class QtCommonDialog final : public CommonDialog
{
    Q_OBJECT

public:
    explicit QtCommonDialog(QObject *parent);

    int ShowColor(int startColor) override;
    QString ShowOpen(const QString &filter, int flags) override;
    QString ShowFolder(const QString &startFolder) override;

    // "Sounds|*.wav" as QFileDialog writes it: "Sounds (*.wav)"; pairs are joined by ";;" and the
    // patterns of one pair, separated by ';', by blanks. A description that ends with its own patterns
    // shows them once: "Sounds *.wav|*.wav" gives "Sounds (*.wav)", "Pictures (*.bmp;*.jpg)|*.bmp;*.jpg"
    // gives "Pictures (*.bmp *.jpg)". A trailing description without a pattern is dropped.
    static QString qtFilter(const QString &filter);

private:
    QWidget *owner() const;
};
