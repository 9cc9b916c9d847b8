#include "dialogs/ChooseKeyDesign.h"

#include "widgets/DesignConstants.h"

using namespace Qt::StringLiterals;
using namespace DesignConstants;

namespace ChooseKeyDesign {

QList<ElementDesign> elements()
{
    using Focus = ElementDesign::Focus;
    QList<DesignProperty> choose = twipsGeometry(120, 120, 4335, 855);
    choose += {{"Caption", u"Press the key you would like to  ."_s},
               {"FontName", u"Times New Roman"_s},
               {"FontSize", 18.0},
               {"Alignment", LeftJustify},
               {"WordWrap", true}};
    QList<DesignProperty> used = twipsGeometry(60, 1080, 4575, 1215);
    used += {{"Caption",
              QString::fromUtf8(QT_TRANSLATE_NOOP(
                  "frmChooseKey", "This is not a valid key, please choose another or close this window to return."))},
             {"ShrinkToFit", true},
             {"FontName", u"Arial"_s},
             {"FontSize", 18.0},
             {"ForeColor", Red},
             {"Alignment", Center},
             {"WordWrap", true}};
    return {
        {u"lblChoose"_s, u"Label"_s, {}, choose, -1, Focus::None},
        {u"lblUsed"_s, u"Label"_s, {}, used, -1, Focus::None},
    };
}

WindowDesign window()
{
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("frmChooseKey", "Choose Key")), 4680, 2415, elements()};
}

} // namespace ChooseKeyDesign
