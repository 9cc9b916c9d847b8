#include "dialogs/HelpDesign.h"

using namespace Qt::StringLiterals;

namespace HelpDesign {

WindowDesign window()
{
    const ElementDesign box {u"rtbHelp"_s,
                             u"RichTextBox"_s,
                             {},
                             twipsGeometry(120, 0, 10935, 495) + QList<DesignProperty> {{"RightMargin", 8000}},
                             0,
                             ElementDesign::Focus::TabStop};
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("frmHelp", "Vantaro Help")), 11055, 9270, {box}};
}

} // namespace HelpDesign
