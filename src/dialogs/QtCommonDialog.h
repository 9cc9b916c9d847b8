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

    // "Sounds *.wav|*.wav" as QFileDialog writes it: "Sounds *.wav (*.wav)"; pairs are joined by ";;"
    // and the patterns of one pair, separated by ';', by blanks. A trailing description without a
    // pattern is dropped.
    static QString qtFilter(const QString &filter);

private:
    QWidget *owner() const;
};
