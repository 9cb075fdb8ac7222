#include "ExportReportBrowser.h"

#include "Localization.h"
#include "ReportExport.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace spinora {

ExportReportBrowser::ExportReportBrowser(SpinoraDatabase& document, QWidget* window)
    : TransferSheet(document, window), reportFolderLabel_(new QLabel(localized("Report Folder"), this)),
      reportFileLabel_(new QLabel(localized("Report File"), this)),
      exportOptionsLabel_(new QLabel(localized("Export Options"), this)), pathTextField_(new QLineEdit(this)),
      filenameTextField_(new QLineEdit(this)), browseButton_(new QPushButton(localized("Browse"), this)),
      exportButton_(new QPushButton(localized("Export"), this)),
      cancelButton_(new QPushButton(localized("Cancel"), this)),
      smallPhotosButton_(new QRadioButton(localized("Small photos"), this)),
      mediumPhotosButton_(new QRadioButton(localized("Medium photos"), this)),
      largePhotosButton_(new QRadioButton(localized("Large photos"), this)),
      extraLargePhotosButton_(new QRadioButton(localized("Extra-Large photos"), this)), options_(new QButtonGroup(this))
{
    setWindowTitle(localized("Export to HTML Report"));
    pathTextField_->setReadOnly(true);
    pathTextField_->setMinimumWidth(360);
    // Their labels name the fields, for a screen reader too.
    reportFolderLabel_->setBuddy(pathTextField_);
    reportFileLabel_->setBuddy(filenameTextField_);
    filenameTextField_->setPlaceholderText(QString::fromLatin1(kDefaultFileName));
    // The radio tags are the photo sizes of the report.
    options_->addButton(smallPhotosButton_, 1);
    options_->addButton(mediumPhotosButton_, 2);
    options_->addButton(largePhotosButton_, 3);
    options_->addButton(extraLargePhotosButton_, 4);
    smallPhotosButton_->setChecked(true);

    auto* grid = new QGridLayout;
    grid->addWidget(reportFolderLabel_, 0, 0);
    grid->addWidget(pathTextField_, 0, 1);
    grid->addWidget(browseButton_, 0, 2);
    grid->addWidget(reportFileLabel_, 1, 0);
    grid->addWidget(filenameTextField_, 1, 1, 1, 2);
    auto* optionColumn = new QVBoxLayout;
    for (QRadioButton* radio : {smallPhotosButton_, mediumPhotosButton_, largePhotosButton_, extraLargePhotosButton_})
        optionColumn->addWidget(radio);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(exportButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(exportOptionsLabel_);
    layout->addLayout(optionColumn);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    exportButton_->setDefault(true);

    connect(options_, &QButtonGroup::idClicked, this, &ExportReportBrowser::handleRadioSelection);
    connect(browseButton_, &QPushButton::clicked, this, &ExportReportBrowser::browseButtonPressed);
    connect(exportButton_, &QPushButton::clicked, this, &ExportReportBrowser::exportButtonPressed);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    prepareBrowser();
}

void ExportReportBrowser::prepareBrowser()
{
    exportButton_->setEnabled(false);
    pathTextField_->clear();
    filenameTextField_->clear();
    pathURL_.clear();
    typeSelection_ = options_->checkedId() < 1 ? 1 : options_->checkedId();
}

void ExportReportBrowser::presentBrowser()
{
    if (isRunning())
        return;
    prepareBrowser();
    open();
}

QRadioButton* ExportReportBrowser::optionButton(int tag) const
{
    return qobject_cast<QRadioButton*>(options_->button(tag));
}

void ExportReportBrowser::handleRadioSelection(int tag)
{
    typeSelection_ = tag;
}

QFileDialog* ExportReportBrowser::createFolderPanel()
{
    auto* panel = new QFileDialog(this);
    panel->setWindowModality(Qt::WindowModal);
    panel->setWindowTitle(windowTitle());
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly, true);
    panel->setLabelText(QFileDialog::Accept, localized("Choose Folder"));
    return panel;
}

void ExportReportBrowser::browseButtonPressed()
{
    openPanel(createFolderPanel(), [this](const QString& chosen) { folderChosen(chosen); });
}

void ExportReportBrowser::folderChosen(const QString& path)
{
    pathURL_ = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    pathTextField_->setText(QDir::toNativeSeparators(pathURL_));
    exportButton_->setEnabled(!pathTextField_->text().isEmpty());
}

void ExportReportBrowser::exportButtonPressed()
{
    if (pathURL_.isEmpty() || isRunning())
        return;
    filename_ = filenameTextField_->text().trimmed();
    if (filename_.isEmpty())
        filename_ = QString::fromLatin1(kDefaultFileName);
    // An earlier report of the same name is replaced only when the user says so.
    bool overwrite = false;
    if (const ExportJob::Refusal refusal = ReportExport::checkDestination(pathURL_, filename_, false);
        refusal && refusal.allowedWouldHelp) {
        if (!confirmReplacing(filename_))
            return;
        overwrite = true;
    }
    hide();
    Result<ReportRequest> request = ReportExport::prepare(document(), pathURL_, filename_, typeSelection_, overwrite);
    if (!request) {
        logFailure(request.failure());
        return exportDidFinish(kJobFailed);
    }
    runJob<int>(
        localized("Exporting Report"),
        [request = std::move(*request)](JobContext& context) { return ReportExport::run(request, context); },
        [this](int& status) { exportDidFinish(status); });
}

void ExportReportBrowser::exportDidFinish(int status)
{
    if (status == kJobCancelled)
        return;
    if (status == kJobFinished)
        return showAlert(localized("Export Complete"), localized("Report export complete!"));
    showAlert(localized("Export Error"), localized("An error occurred during report export."));
}

} // namespace spinora
