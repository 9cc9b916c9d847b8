#include "board/LayoutEngine.h"

#include "board/LayoutWindow.h"
#include "core/Numbers.h"

#include <QHash>

#include <array>
#include <cstring>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum class Axis { Width, Height };

// How a recorded value becomes a property value again.
enum class Rule {
    Position, // no floor; handed over in single precision
    Extent, // at least 1 after scaling
    Spacing, // stored with an offset; at least 1 before scaling, so that a spacing of 0 still grows
};

struct ScaledProperty
{
    const char *name;
    qint32 LayoutEntry::*field;
    Axis axis;
    Rule rule;
};

constexpr qint32 SpacingOffset = 15;

// Every property the engine knows, in the order the rescale writes them.
constexpr std::array<ScaledProperty, 17> scaledProperties {{
    {"Left", &LayoutEntry::Left, Axis::Width, Rule::Position},
    {"Top", &LayoutEntry::Top, Axis::Height, Rule::Position},
    {"Width", &LayoutEntry::Width, Axis::Width, Rule::Extent},
    {"Height", &LayoutEntry::Height, Axis::Height, Rule::Extent},
    {"FontSize", &LayoutEntry::FontSize, Axis::Height, Rule::Extent},
    {"BorderWidth", &LayoutEntry::BorderWidth, Axis::Height, Rule::Extent},
    {"LightDiameter", &LayoutEntry::LightDiameter, Axis::Height, Rule::Extent},
    {"LightSpacing", &LayoutEntry::LightSpacing, Axis::Height, Rule::Spacing},
    {"Size", &LayoutEntry::Size, Axis::Height, Rule::Extent},
    {"PaddingH", &LayoutEntry::PaddingH, Axis::Width, Rule::Extent},
    {"PaddingV", &LayoutEntry::PaddingV, Axis::Height, Rule::Extent},
    {"PaddingI", &LayoutEntry::PaddingI, Axis::Width, Rule::Extent},
    {"PaddingD", &LayoutEntry::PaddingD, Axis::Width, Rule::Extent},
    {"X1", &LayoutEntry::X1, Axis::Width, Rule::Position},
    {"X2", &LayoutEntry::X2, Axis::Width, Rule::Position},
    {"Y1", &LayoutEntry::Y1, Axis::Height, Rule::Position},
    {"Y2", &LayoutEntry::Y2, Axis::Height, Rule::Position},
}};

const ScaledProperty &propertyNamed(const char *name)
{
    for (const ScaledProperty &property : scaledProperties) {
        if (std::strcmp(property.name, name) == 0)
            return property;
    }
    Q_UNREACHABLE();
}

// The properties recorded from an element of the kind, in recording order; null for a kind the layout
// leaves alone. A line is placed by its end points only. Our LED panels draw their digits to fit their
// own box rather than sizing the box from their dots, so their Height and Width are recorded too;
// otherwise a maximized board would keep its LED fields at their design size.
const QList<const char *> *recordedProperties(const QString &kind)
{
    static const QHash<QString, QList<const char *>> byKind {
        {u"LampPanel"_s, {"Height", "Width", "LightDiameter", "LightSpacing", "Left", "Top"}},
        {u"SegmentPanel"_s, {"Height", "Width", "Size", "Left", "Top"}},
        {u"NumberPanel"_s, {"Height", "Width", "Size", "PaddingH", "PaddingV", "PaddingI", "Left", "Top"}},
        {u"TimePanel"_s, {"Height", "Width", "Size", "PaddingH", "PaddingV", "PaddingI", "PaddingD", "Left", "Top"}},
        {u"PictureBox"_s, {"Height", "Width", "Left", "Top"}},
        {u"Image"_s, {"Height", "Width", "Left", "Top"}},
        {u"Label"_s, {"Height", "Width", "FontSize", "Left", "Top"}},
        {u"Shape"_s, {"Height", "Width", "BorderWidth", "Left", "Top"}},
        {u"Line"_s, {"X1", "X2", "Y1", "Y2"}},
    };
    const auto found = byKind.constFind(kind);
    return found == byKind.cend() ? nullptr : &found.value();
}

// Rounded half to even; 0 ("not recorded") when the value is not a number or beyond 32 bits.
qint32 recordable(double value)
{
    return Numbers::toInt32(value).value_or(0);
}

double offsetOf(Rule rule)
{
    return rule == Rule::Spacing ? SpacingOffset : 0;
}

std::optional<long double> ratio(double present, qint32 recorded)
{
    if (recorded <= 0 || !(present >= 0 && present <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<long double>(static_cast<float>(present)) / static_cast<float>(recorded);
}

struct Ratios
{
    long double width;
    long double height;
};

std::optional<Ratios> windowRatios(const LayoutTable &table, const LayoutWindow &window)
{
    const std::optional<long double> width = ratio(window.widthTwips(), table.recordedWidth);
    const std::optional<long double> height = ratio(window.heightTwips(), table.recordedHeight);
    if (!width || !height)
        return std::nullopt;
    return Ratios {*width, *height};
}

// The window sizes are bounded by 32 bits, so every product fits a float and a double.
double scaled(qint32 recorded, const ScaledProperty &property, const Ratios &ratios)
{
    const long double ratio = property.axis == Axis::Width ? ratios.width : ratios.height;
    const float value = static_cast<float>(recorded);
    switch (property.rule) {
    case Rule::Position:
        return static_cast<float>(ratio * value);
    case Rule::Extent:
        return LayoutEngine::AtLeastOne(static_cast<double>(ratio * value));
    case Rule::Spacing:
        return static_cast<double>(ratio * LayoutEngine::AtLeastOne(double(value) - SpacingOffset));
    }
    Q_UNREACHABLE();
}

} // namespace

double LayoutEngine::AtLeastOne(double x)
{
    return x >= 1 ? x : 1.0;
}

void LayoutEngine::setSmallestRecordedSize(double widthTwips, double heightTwips)
{
    m_smallestWidth = widthTwips;
    m_smallestHeight = heightTwips;
}

void LayoutEngine::RecordLayout(const LayoutWindow &window)
{
    if (window.isMinimized() || window.widthTwips() < m_smallestWidth || window.heightTwips() < m_smallestHeight)
        return;
    LayoutTable table;
    const int count = std::max(0, window.elementCount());
    table.entries.resize(qsizetype(count) + 1);
    table.recordedHeight = recordable(window.heightTwips());
    table.recordedWidth = recordable(window.widthTwips());
    qsizetype next = 0;
    for (int index = 0; index < count; ++index) {
        const QList<const char *> *names = recordedProperties(window.kindOf(index));
        if (!names)
            continue;
        LayoutEntry &entry = table.entries[next++];
        entry.element = index;
        for (const char *name : *names) {
            const ScaledProperty &property = propertyNamed(name);
            entry.*property.field = recordable(window.property(index, name) + offsetOf(property.rule));
        }
    }
    m_table = std::move(table);
}

void LayoutEngine::RescaleLayout(LayoutWindow &window) const
{
    if (window.isMinimized())
        return;
    const std::optional<Ratios> ratios = windowRatios(m_table, window);
    if (!ratios)
        return;
    const int count = window.elementCount();
    window.beginUpdate();
    // The last entry is always empty.
    for (qsizetype i = 0; i + 1 < m_table.entries.size(); ++i) {
        const LayoutEntry &entry = m_table.entries[i];
        // Also skips an element that has left the window since the layout was recorded.
        if (entry.element < 0 || entry.element >= count)
            continue;
        for (const ScaledProperty &property : scaledProperties) {
            const qint32 recorded = entry.*property.field;
            if (recorded != 0)
                window.setProperty(entry.element, property.name, scaled(recorded, property, *ratios));
        }
    }
    window.endUpdate();
}
