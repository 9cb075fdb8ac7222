#include "ShellServices.h"

#include "AppInfo.h"
#include "DeviceBrowser.h"
#include "ImportExportBrowser.h"
#include "Localization.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace spinora {

namespace {

QString extensionSuffix()
{
    return QLatin1Char('.') + QString::fromUtf8(kPackageExtension);
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A collection is a folder. The open panel shows folders and files; entering
// a ".sdb" folder (double click) chooses it as one item instead of browsing
// into it, and choosing the "spinora.db" inside one is accepted too.
QString runOpenPanel(QWidget* parent)
{
    QFileDialog panel(parent, localized("Open"), documentsFolder());
    panel.setObjectName(QStringLiteral("openCollectionPanel"));
    panel.setOption(QFileDialog::DontUseNativeDialog);
    panel.setFileMode(QFileDialog::Directory);
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setLabelText(QFileDialog::Accept, localized("Open"));
    panel.setLabelText(QFileDialog::FileName, localized("Collection:"));
    QString chosen;
    QObject::connect(&panel, &QFileDialog::directoryEntered, &panel, [&panel, &chosen](const QString& folder) {
        if (folder.endsWith(extensionSuffix())) {
            chosen = folder;
            // Not QFileDialog::accept(): that would ask for a file inside.
            static_cast<QDialog&>(panel).done(QDialog::Accepted);
        }
    });
    if (panel.exec() != QDialog::Accepted)
        return {};
    if (chosen.isEmpty() && !panel.selectedFiles().isEmpty())
        chosen = panel.selectedFiles().first();
    return chosen;
}

QString runSavePanel(QWidget* parent, const QString& title, const QString& folder, const QString& name)
{
    QFileDialog panel(parent, title, folder);
    panel.setObjectName(QStringLiteral("saveCollectionPanel"));
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setNameFilter(localized("Spinora collections (*%1)").arg(extensionSuffix()));
    panel.setDefaultSuffix(QString::fromUtf8(kPackageExtension));
    // The panel cannot confirm replacing a folder; the question is ours.
    panel.setOption(QFileDialog::DontConfirmOverwrite);
    panel.selectFile(name);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return {};
    const QString path = newCollectionPath(panel.selectedFiles().first());
    if (QFileInfo::exists(path)) {
        QMessageBox ask(QMessageBox::Warning, title,
                        localized("“%1” already exists. Do you want to replace it?").arg(QFileInfo(path).fileName()),
                        QMessageBox::NoButton, parent);
        ask.setInformativeText(localized("A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.")
                                   .arg(QFileInfo(path).dir().dirName()));
        QPushButton* replace = ask.addButton(localized("Replace"), QMessageBox::DestructiveRole);
        ask.addButton(QMessageBox::Cancel);
        ask.setDefaultButton(QMessageBox::Cancel);
        ask.exec();
        if (ask.clickedButton() != replace)
            return {};
    }
    return path;
}

ShellServices::SaveAnswer askSave(QWidget* parent, const QString& name)
{
    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Spinora"),
                    localized("Do you want to save the changes made to the document “%1”?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    ask.setInformativeText(localized("Your changes will stay in the untitled collection if you don’t save them."));
    ask.button(QMessageBox::Discard)->setText(localized("Don’t Save"));
    ask.setDefaultButton(QMessageBox::Save);
    switch (ask.exec()) {
    case QMessageBox::Save: return ShellServices::SaveAnswer::Save;
    case QMessageBox::Discard: return ShellServices::SaveAnswer::DontSave;
    default: return ShellServices::SaveAnswer::Cancel;
    }
}

void showAlert(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("shellAlert"));
    box.exec();
}

bool askSaveAs(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("writeFailedAlert"));
    QPushButton* saveAs = box.addButton(localized("Save As..."), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(localized("Keep Open"), QMessageBox::RejectRole);
    box.setDefaultButton(saveAs);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == saveAs;
}

bool askToConfirm(QWidget* parent, const QString& text, const QString& detail, const QString& action)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Spinora"), text, QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("confirmAlert"));
    box.setInformativeText(detail);
    QPushButton* yes = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == yes;
}

ShellServices::DamageAnswer askDamage(QWidget* parent, const QString& text, const QString& detail, bool canRestore,
                                      bool canOpenAnyway)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Spinora"), text, QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("damageAlert"));
    box.setDetailedText(detail);
    QPushButton* restore = canRestore ? box.addButton(localized("Restore Snapshot"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* anyway = canOpenAnyway ? box.addButton(localized("Open Anyway"), QMessageBox::DestructiveRole) : nullptr;
    if (restore)
        box.setDefaultButton(restore);
    else
        box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (restore && box.clickedButton() == restore)
        return ShellServices::DamageAnswer::Restore;
    if (anyway && box.clickedButton() == anyway)
        return ShellServices::DamageAnswer::OpenAnyway;
    return ShellServices::DamageAnswer::Cancel;
}

void runPageSetup(QWidget* window)
{
    // Each collection keeps its own page layout: its window asks for it.
    QMetaObject::invokeMethod(window, "pageSetup");
}

} // namespace

ShellServices ShellServices::standard()
{
    ShellServices services;
    services.chooseNewCollectionPath = [](QWidget* parent) {
        return runSavePanel(parent, localized("New Spinora Database"), documentsFolder(),
                            localized("Untitled") + extensionSuffix());
    };
    services.chooseCollectionToOpen = runOpenPanel;
    services.chooseSaveAsPath = [](QWidget* parent, const QString& currentPath) {
        const QFileInfo current(currentPath);
        return runSavePanel(parent, localized("Save As"), documentsFolder(), current.fileName());
    };
    services.askToSaveChanges = askSave;
    services.alert = showAlert;
    services.confirm = askToConfirm;
    services.askAboutDamage = askDamage;
    services.offerSaveAs = askSaveAs;
    services.presentImportExportBrowser = [](QWidget* parent, ExchangeFunction function) {
        spinora::presentImportExportBrowser(parent, function);
    };
    services.presentImportFile = [](QWidget* parent, const QString& file) {
        spinora::presentImportExportBrowser(parent, ExchangeFunction::ImportFromSdbi, file);
    };
    services.presentExportReportBrowser = [](QWidget* parent) { spinora::presentExportReportBrowser(parent); };
    services.saveCsvTemplate = [](QWidget* parent) { spinora::saveCsvTemplate(parent); };
    services.presentDeviceBrowser = [](QWidget* parent, DeviceDirection direction) {
        spinora::presentDeviceBrowser(parent, direction);
    };
    services.pageSetup = runPageSetup;
    return services;
}

QString collectionPathFromChoice(const QString& chosen)
{
    QFileInfo info(chosen);
    if (info.fileName() == QString::fromUtf8(kDatabaseFileName) && info.absolutePath().endsWith(extensionSuffix()))
        info = QFileInfo(info.absolutePath());
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString newCollectionPath(const QString& chosen)
{
    QString path = chosen;
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    if (!path.endsWith(extensionSuffix()))
        path += extensionSuffix();
    const QFileInfo info(path);
    if (info.exists() && !info.canonicalFilePath().isEmpty())
        return info.canonicalFilePath();
    // The folder holding it exists; the collection itself may not yet.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

} // namespace spinora
