#pragma once

#include "TransferSheet.h"

#include <QString>

class QButtonGroup;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spinora {

// The sheet of the HTML report: a folder, a file name and the photo size
// (`typeSelection`, 1 small to 4 extra-large).
class ExportReportBrowser : public TransferSheet {
    Q_OBJECT
public:
    static constexpr const char* kDefaultFileName = "spinora_report.html";

    // The sheet of one document's window (`window`; null for one modal to
    // the whole application).
    ExportReportBrowser(SpinoraDatabase& document, QWidget* window);

    // Empties the fields, disables "Export" and opens the sheet, modal to its window.
    void presentBrowser();
    void prepareBrowser();

    void handleRadioSelection(int tag);
    void browseButtonPressed();
    // The folder panel, set up but not shown.
    QFileDialog* createFolderPanel();
    // The confirmed folder of the panel.
    void folderChosen(const QString& path);
    void exportButtonPressed();

    // The alert of an ended report's status (none for a cancel).
    void exportDidFinish(int status);

    int typeSelection() const { return typeSelection_; }
    const QString& pathURL() const { return pathURL_; }
    QLineEdit* filenameTextField() const { return filenameTextField_; }
    QPushButton* exportButton() const { return exportButton_; }
    QRadioButton* optionButton(int tag) const;

private:
    int typeSelection_ = 1;
    QString pathURL_;
    QString filename_;

    QLabel* reportFolderLabel_;
    QLabel* reportFileLabel_;
    QLabel* exportOptionsLabel_;
    QLineEdit* pathTextField_;
    QLineEdit* filenameTextField_;
    QPushButton* browseButton_;
    QPushButton* exportButton_;
    QPushButton* cancelButton_;
    QRadioButton* smallPhotosButton_;
    QRadioButton* mediumPhotosButton_;
    QRadioButton* largePhotosButton_;
    QRadioButton* extraLargePhotosButton_;
    QButtonGroup* options_;
};

} // namespace spinora
