#pragma once

#include "widgets/ElementDesign.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Builds a window's elements from its design table: creates each element by kind inside its
// container, names it, sets its design properties by name, stacks the windowless kinds (labels,
// shapes, lines, images) beneath the windowed ones of their container, and chains the tab order by
// tab index. Kinds it does not know (non-visual services such as the game timer or the sound device)
// come from factories that the window registers. The texts a design shows (captions, button texts, frame
// titles, list entries) are translated with the window's object name as the translation context; the
// design tables mark them for lupdate with QT_TRANSLATE_NOOP in that context.
class DesignBuilder
{
public:
    using Factory = std::function<QObject *(QObject *parent)>;

    DesignBuilder();

    void setFactory(const QString &kind, Factory factory);

    // Returns the elements in table order. Problems in the table (an unknown kind or container, a
    // property the element does not have) are collected in errors() and the row is skipped or the
    // property left alone, so a faulty table can be tested for without crashing.
    QList<QObject *> build(QWidget *window, const QList<ElementDesign> &design);
    const QStringList &errors() const { return m_errors; }

    // The text in the current language; the text itself where no translation is loaded or has it.
    static QString translated(const QString &context, const QString &text);

private:
    QObject *create(const ElementDesign &row, QWidget *window, const QHash<QString, QObject *> &built);
    void applyProperties(QObject *element, const ElementDesign &row, const QString &context);
    static void stackWindowless(const QList<QObject *> &elements);
    static void chainTabOrder(QList<std::pair<int, QWidget *>> focusable);

    QHash<QString, Factory> m_factories;
    QStringList m_errors;
};
