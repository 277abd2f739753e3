// "Check Update": compares the maker's version file with this release.
#include "app/mainwindow.h"

#include "app/maker_site.h"
#include "app/shell_hooks.h"
#include "app/update_check.h"

#include <QMessageBox>
#include <QUrl>

void MainWindow::slotActionCheck_Update()
{
    // Disabled for the whole check: no second check, no other action.
    setEnabled(false);
    const QString text = httpGetText(MakerSite::versionFile);
    if (text.isEmpty()) {
        QMessageBox::information(nullptr, tr("Message"),
                                 tr("Network connection lost. Please check your network settings."),
                                 QMessageBox::Cancel);
    } else if (UpdateCheck::isNewer(UpdateCheck::versionValue(text))) {
        QMessageBox::warning(nullptr, tr("Message"), tr("Found a new version."), QMessageBox::Cancel);
        ShellHooks::openUrl(QUrl(QString::fromLatin1(MakerSite::kDownloads)));
    } else {
        QMessageBox::information(nullptr, tr("Message"), tr("Already the latest version."),
                                 QMessageBox::Cancel);
    }
    setEnabled(true);
}

void MainWindow::slotActionCheck_Updateclose()
{
    setEnabled(true);
}
