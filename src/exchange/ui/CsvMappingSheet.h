#pragma once

#include "CsvImport.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace spinora {

// Which field each column of a grower's own spreadsheet fills, chosen before
// it is imported: every column under its header, with a choice of field
// (guessed from the header, or as chosen for the last file with the same
// header line) above its first values. Import stays off until a column
// gives the plants' names.
class CsvMappingSheet : public QDialog {
    Q_OBJECT
public:
    CsvMappingSheet(const QString& fileName, const CsvImport::TablePreview& preview, QWidget* parent);

    // The choice as the import takes it ("Name=name,Genus+Species=scientific").
    QString mapSpec() const;
    // Kept for the next file with the same header line.
    void remember() const;

    QComboBox* fieldBox(int column) const { return boxes_[size_t(column)]; }

private:
    void updateImportButton();
    QString settingsKey() const;

    QStringList headers_;
    std::vector<QComboBox*> boxes_;
    QTableWidget* table_ = nullptr;
    QLabel* namesHint_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

} // namespace spinora
