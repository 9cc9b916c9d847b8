#include "widgets/DesignBuilder.h"

#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/CommandButton.h"
#include "widgets/ElementKind.h"
#include "widgets/Frame.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/LampPanel.h"
#include "widgets/Line.h"
#include "widgets/NumberPanel.h"
#include "widgets/OptionButton.h"
#include "widgets/PictureBox.h"
#include "widgets/ScrollBar.h"
#include "widgets/SegmentPanel.h"
#include "widgets/Shape.h"
#include "widgets/SpinBox.h"
#include "widgets/TabControl.h"
#include "widgets/TabPage.h"
#include "widgets/TextBox.h"
#include "widgets/TimePanel.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

template<typename Widget> DesignBuilder::Factory widgetFactory()
{
    return [](QObject *parent) { return new Widget(qobject_cast<QWidget *>(parent)); };
}

// A page joins the tab control it is created in.
QObject *createTabPage(QObject *parent)
{
    auto *page = new TabPage(qobject_cast<QWidget *>(parent));
    if (auto *tabs = qobject_cast<TabControl *>(parent))
        tabs->addPage(page);
    return page;
}

// The properties that hold the text an element shows, by kind.
bool isShownText(const QString &kind, const char *property)
{
    static const QHash<QString, QByteArray> shown {
        {QStringLiteral("Label"), "Caption"},      {QStringLiteral("TabPage"), "Caption"},
        {QStringLiteral("CommandButton"), "text"}, {QStringLiteral("CheckBox"), "text"},
        {QStringLiteral("OptionButton"), "text"},  {QStringLiteral("Frame"), "title"},
        {QStringLiteral("ComboBox"), "Items"},
    };
    const auto found = shown.constFind(kind);
    return found != shown.constEnd() && *found == property;
}

bool isWindowless(const QObject *element)
{
    static const QStringList windowless {QStringLiteral("Label"), QStringLiteral("Shape"), QStringLiteral("Line"),
                                         QStringLiteral("Image")};
    return windowless.contains(ElementKind::of(element));
}

} // namespace

DesignBuilder::DesignBuilder()
{
    m_factories.insert(QStringLiteral("Label"), widgetFactory<Label>());
    m_factories.insert(QStringLiteral("PictureBox"), widgetFactory<PictureBox>());
    m_factories.insert(QStringLiteral("Image"), widgetFactory<Image>());
    m_factories.insert(QStringLiteral("Shape"), widgetFactory<Shape>());
    m_factories.insert(QStringLiteral("Line"), widgetFactory<Line>());
    m_factories.insert(QStringLiteral("NumberPanel"), widgetFactory<NumberPanel>());
    m_factories.insert(QStringLiteral("TimePanel"), widgetFactory<TimePanel>());
    m_factories.insert(QStringLiteral("SegmentPanel"), widgetFactory<SegmentPanel>());
    m_factories.insert(QStringLiteral("LampPanel"), widgetFactory<LampPanel>());
    m_factories.insert(QStringLiteral("Timer"), [](QObject *parent) { return new QTimer(parent); });
    m_factories.insert(QStringLiteral("CommandButton"), widgetFactory<CommandButton>());
    m_factories.insert(QStringLiteral("TextBox"), widgetFactory<TextBox>());
    m_factories.insert(QStringLiteral("OptionButton"), widgetFactory<OptionButton>());
    m_factories.insert(QStringLiteral("Frame"), widgetFactory<Frame>());
    m_factories.insert(QStringLiteral("ComboBox"), widgetFactory<ComboBox>());
    m_factories.insert(QStringLiteral("ScrollBar"), widgetFactory<ScrollBar>());
    m_factories.insert(QStringLiteral("TabControl"), widgetFactory<TabControl>());
    m_factories.insert(QStringLiteral("TabPage"), createTabPage);
    m_factories.insert(QStringLiteral("CheckBox"), widgetFactory<CheckBox>());
    m_factories.insert(QStringLiteral("SpinBox"), widgetFactory<SpinBox>());
}

void DesignBuilder::setFactory(const QString &kind, Factory factory)
{
    m_factories.insert(kind, std::move(factory));
}

QList<QObject *> DesignBuilder::build(QWidget *window, const QList<ElementDesign> &design)
{
    m_errors.clear();
    QList<QObject *> elements;
    QHash<QString, QObject *> built;
    QList<std::pair<int, QWidget *>> focusable;
    for (const ElementDesign &row : design) {
        QObject *element = create(row, window, built);
        if (!element)
            continue;
        element->setObjectName(row.name);
        applyProperties(element, row, window->objectName());
        if (auto *widget = qobject_cast<QWidget *>(element); widget && row.focus != ElementDesign::Focus::None) {
            const bool tabStop = row.focus == ElementDesign::Focus::TabStop;
            if (qobject_cast<PictureBox *>(widget))
                widget->setFocusPolicy(PictureBox::focusPolicyFor(tabStop));
            else
                widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            focusable.append({row.tabIndex, widget});
        }
        built.insert(row.name, element);
        elements.append(element);
    }
    stackWindowless(elements);
    chainTabOrder(focusable);
    return elements;
}

QObject *DesignBuilder::create(const ElementDesign &row, QWidget *window, const QHash<QString, QObject *> &built)
{
    const auto factory = m_factories.constFind(row.kind);
    if (factory == m_factories.constEnd()) {
        m_errors.append(QStringLiteral("%1: unknown kind %2").arg(row.name, row.kind));
        return nullptr;
    }
    QObject *container = window;
    if (!row.container.isEmpty()) {
        container = qobject_cast<QWidget *>(built.value(row.container));
        if (!container) {
            m_errors.append(QStringLiteral("%1: no container %2 above it").arg(row.name, row.container));
            return nullptr;
        }
    }
    return (*factory)(container);
}

QString DesignBuilder::translated(const QString &context, const QString &text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate(context.toUtf8().constData(), text.toUtf8().constData());
}

void DesignBuilder::applyProperties(QObject *element, const ElementDesign &row, const QString &context)
{
    const QMetaObject *meta = element->metaObject();
    for (const DesignProperty &property : row.properties) {
        const bool shown = isShownText(row.kind, property.name);
        QVariant value = property.value;
        if (shown && value.typeId() == QMetaType::QString)
            value = translated(context, value.toString());
        const int index = meta->indexOfProperty(property.name);
        if (index < 0 || !meta->property(index).write(element, value)) {
            m_errors.append(QStringLiteral("%1: cannot set %2").arg(row.name, QLatin1String(property.name)));
            continue;
        }
        // A list keeps each entry's design word as its data, which is what the settings store.
        if (auto *list = qobject_cast<ComboBox *>(element); list && shown) {
            for (int i = 0; i < list->count(); ++i)
                list->setItemText(i, translated(context, list->itemData(i).toString()));
        }
    }
}

void DesignBuilder::stackWindowless(const QList<QObject *> &elements)
{
    // Lowering in reverse table order leaves the windowless elements beneath the windowed ones, and
    // among themselves in table order, later rows on top.
    for (auto it = elements.crbegin(); it != elements.crend(); ++it) {
        if (isWindowless(*it))
            static_cast<QWidget *>(*it)->lower();
    }
}

void DesignBuilder::chainTabOrder(QList<std::pair<int, QWidget *>> focusable)
{
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}
