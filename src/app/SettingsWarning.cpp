#include "app/SettingsWarning.h"

#include "settings/SettingsLoadReport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace SettingsWarning {

void showAfter(QWidget *window, const SettingsLoadReport &report)
{
    if (!report.hasProblems())
        return;
    const QString summary = report.fileProblem.isEmpty()
        ? QCoreApplication::translate(
            "SettingsWarning", "Vantaro could not use some of its settings and runs with the defaults in their place.")
        : QCoreApplication::translate("SettingsWarning",
                                      "Vantaro could not read its settings and runs with the default settings.");
    const QString details = report.message();
    // Queued: the window is on the screen first, and the warning comes over it.
    QTimer::singleShot(0, window, [summary, details] {
        auto *box
            = new QMessageBox(QMessageBox::Warning, QCoreApplication::translate("SettingsWarning", "Vantaro settings"),
                              summary, QMessageBox::Ok);
        box->setObjectName(QLatin1String(ObjectName));
        box->setInformativeText(details);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
        box->raise();
        box->activateWindow();
    });
}

} // namespace SettingsWarning
