#pragma once

#include "dialogs/CommonDialog.h"

#include <QList>
#include <QStringList>

// Pickers that answer from lists the test fills, first answer first; with no answer left they act as if
// the operator cancelled. They record where each picker started and what it was asked for.
class FakeCommonDialog final : public CommonDialog
{
public:
    explicit FakeCommonDialog(QObject *parent)
        : CommonDialog(parent)
    {
    }

    int ShowColor(int startColor) override
    {
        colorStarts.append(startColor);
        return colorAnswers.isEmpty() ? startColor : colorAnswers.takeFirst();
    }

    QString ShowOpen(const QString &filter, int flags) override
    {
        fileFilters.append(filter);
        fileFlags.append(flags);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString ShowFolder(const QString &startFolder) override
    {
        folderStarts.append(startFolder);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }

    QList<int> colorAnswers;
    QStringList fileAnswers;
    QList<int> colorStarts;
    QStringList fileFilters;
    QList<int> fileFlags;
    QStringList folderAnswers;
    QStringList folderStarts;
};
