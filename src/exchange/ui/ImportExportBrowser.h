#pragma once

#include "ExchangeRequests.h"
#include "TransferSheet.h"

#include <QString>

class QButtonGroup;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spinora {

// The six functions of the import/export sheet (its `databaseType`; in this
// order the tags 0 to 5 of the menu items).
enum class ExchangeFunction {
    ImportFromSdbi,
    ImportFromCollection,
    ImportFromCsv,
    ExportToSdbi,
    ExportToCollection,
    ExportToCsv,
};

// The sheet of the six file functions. The option (`typeSelection`) chooses
// what is exchanged: everything, cacti and watering schedules, cacti, or
// watering schedules.
class ImportExportBrowser : public TransferSheet {
    Q_OBJECT
public:
    // The sheet of one document's window (`window`; null for one modal to
    // the whole application).
    ImportExportBrowser(SpinoraDatabase& document, QWidget* window);

    // Sets the sheet up for one function (with a file already chosen, when
    // given) and opens it, modal to its window.
    void presentImportExportBrowser(ExchangeFunction databaseType, const QString& chosenFile = {});
    // The set-up alone (titles, headings, empty path, disabled action).
    void prepareImportExportBrowser(ExchangeFunction databaseType);

    void handleRadioSelection(ExchangeType option);
    // Opens the file panel of the function; its confirmation goes to
    // confirmChoice, then fileChosen.
    void browseButtonPressed();
    // The file panel of the function, set up but not shown.
    QFileDialog* createFilePanel();
    // The confirmed choice of the file panel. Answers false when the choice
    // is refused (the open collection itself, or no collection folder).
    bool fileChosen(const QString& path);
    // Starts the job: the sheet closes, the progress window stays until the
    // job has ended, then the alert tells the result.
    void importExportButtonPressed();
    void dismissImportExportBrowser();

    // The alert of an ended job's status (none for a cancel), with the
    // details below its fixed text: the reason of a failure, what a finished
    // import brought and what it could not read.
    void importDidFinish(int status, const QString& details = QString());
    void exportDidFinish(int status, const QString& details = QString());

    bool isImport() const { return isImport_; }
    ExchangeFunction databaseType() const { return databaseType_; }
    ExchangeType typeSelection() const { return typeSelection_; }
    const QString& filenameURL() const { return filenameURL_; }
    QPushButton* importExportButton() const { return importExportButton_; }
    QLabel* csvTemplateTextField() const { return csvTemplateTextField_; }
    QRadioButton* optionButton(ExchangeType option) const;

    // The web page that offers the CSV templates.
    static const char* csvTemplateAddress();
    // A chosen collection: the ".sdb" folder itself, or the folder of a
    // "spinora.db" picked inside one. Empty when the choice is neither.
    static QString collectionPackageFor(const QString& path);
    // True when the path is an open collection's package or lies inside one.
    static bool isOpenCollection(const QString& path);

private:
    // The warnings an import's alert lists; the rest are counted.
    static constexpr int kShownWarnings = 20;
    // The file kind of the function: "sdbi", "sdb" or "csv".
    QString fileKind() const;
    QString typedPath() const;
    void confirmChoice(const QString& chosen);

    bool isImport_ = true;
    ExchangeFunction databaseType_ = ExchangeFunction::ImportFromSdbi;
    ExchangeType typeSelection_ = kExchangeComplete;
    QString filenameURL_;

    QLabel* dbHeadingTextField_;
    QLabel* headingTextField_;
    QLineEdit* filenameTextField_;
    QLabel* csvTemplateTextField_;
    QPushButton* browseButton_;
    QPushButton* importExportButton_;
    QPushButton* cancelButton_;
    QRadioButton* completeDBButton_;
    QRadioButton* cactiWateringButton_;
    QRadioButton* cactiButton_;
    QRadioButton* wateringButton_;
    QButtonGroup* options_;
};

// Opens the import/export sheet of a document window for one of its six
// functions, with a file already chosen when given. Each window has its own.
void presentImportExportBrowser(QWidget* window, ExchangeFunction databaseType, const QString& chosenFile = {});
// Asks where to save the CSV template and writes it there.
void saveCsvTemplate(QWidget* parent);
// Opens the HTML report sheet of a document window.
void presentExportReportBrowser(QWidget* window);
// The shell's cancel command: stops the job of a document window, if one runs.
void cancelJobOfWindow(QWidget* window);

} // namespace spinora
