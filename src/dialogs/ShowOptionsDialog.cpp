#include "dialogs/ShowOptionsDialog.h"

#include "board/NumLockPolicy.h"
#include "board/PictureFit.h"
#include "dialogs/ChooseKeyDesign.h"
#include "dialogs/OptionsDesign.h"
#include "dialogs/frmOptions.h"

#include <QScopeGuard>

bool showOptionsDialog(QWidget *owner, Settings &settings, SettingsStore &store, NumLockState &keyboard,
                       const QString &boardScreen)
{
    static bool open = false;
    if (open)
        return false;
    open = true;
    const auto closed = qScopeGuard([] { open = false; });
    OptionsServices services;
    services.boardScreen = boardScreen;
    services.showPicture = PictureFit::ShowPicture;
    services.pictureBound = PictureFit::decodeBound();
    services.forceNumLock = [&keyboard](bool wanted) { NumLockPolicy::ForceNumLock(keyboard, wanted); };
    frmOptions dialog(OptionsDesign::window(), ChooseKeyDesign::window(), settings, store, std::move(services), owner);
    dialog.exec();
    return true;
}
