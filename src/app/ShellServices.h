#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace spinora {

// Declared with the dialogs they choose from (DeviceBrowser.h, ImportExportBrowser.h).
enum class DeviceDirection;
enum class ExchangeFunction;

// The panels and alerts the shell shows, and the windows its menu opens.
// standard() gives the real ones; tests put their own in place of the modal
// panels so that start-up and menu rules can be driven without a person.
struct ShellServices {
    enum class SaveAnswer { Save, DontSave, Cancel };

    // Panels answer an empty path when the user cancels.
    std::function<QString(QWidget*)> chooseNewCollectionPath;
    std::function<QString(QWidget*)> chooseCollectionToOpen;
    std::function<QString(QWidget*, const QString& currentPath)> chooseSaveAsPath;
    std::function<SaveAnswer(QWidget*, const QString& documentName)> askToSaveChanges;
    std::function<void(QWidget*, const QString& title, const QString& text)> alert;
    // A question whose one way on is `action` ("Restore"): true for it.
    std::function<bool(QWidget*, const QString& text, const QString& detail, const QString& action)> confirm;
    // A collection found damaged at open: restore its newest good snapshot
    // (offered when there is one), open it anyway (offered when only photo
    // files are missing), or leave it closed.
    enum class DamageAnswer { Restore, OpenAnyway, Cancel };
    // `detail`: what the check found, for whoever wants to know.
    std::function<DamageAnswer(QWidget*, const QString& text, const QString& detail, bool canRestore, bool canOpenAnyway)>
        askAboutDamage;
    // A warning whose way out is saving elsewhere: true for "Save As...".
    std::function<bool(QWidget*, const QString& title, const QString& text)> offerSaveAs;

    std::function<void(QWidget*, ExchangeFunction)> presentImportExportBrowser;
    // The import sheet of File › Import From › SDBI with the file filled in.
    std::function<void(QWidget*, const QString& file)> presentImportFile;
    std::function<void(QWidget*)> presentExportReportBrowser;
    // File › Export To › CSV Template…: a save panel, then the file.
    std::function<void(QWidget*)> saveCsvTemplate;
    std::function<void(QWidget*, DeviceDirection)> presentDeviceBrowser;
    std::function<void(QWidget*)> pageSetup;

    static ShellServices standard();
};

// What a chosen path means as a collection: the ".sdb" folder itself, also
// when the "spinora.db" inside one was chosen; absolute, without symbolic
// links, so the same collection is always the same text.
QString collectionPathFromChoice(const QString& chosen);
// A path for a new collection: with the ".sdb" extension added when missing.
QString newCollectionPath(const QString& chosen);

} // namespace spinora
