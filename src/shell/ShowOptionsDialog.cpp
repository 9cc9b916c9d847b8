#include "ShowOptionsDialog.h"

#include "ChooseKeyDesign.h"
#include "NumLockPolicy.h"
#include "OptionsDesign.h"
#include "PictureFit.h"
#include "frmOptions.h"

void showOptionsDialog(QWidget *owner, Settings &settings, SettingsStore &store, NumLockState &keyboard)
{
    OptionsServices services;
    services.fitPicture = PictureFit::FitPicture;
    services.forceNumLock = [&keyboard](bool wanted) { NumLockPolicy::ForceNumLock(keyboard, wanted); };
    frmOptions dialog(OptionsDesign::window(), ChooseKeyDesign::window(), settings, store, std::move(services), owner);
    dialog.exec();
}
