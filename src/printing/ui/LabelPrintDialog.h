#pragma once

#include "LabelSheet.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace spinora {

class Cactus;
class SpinoraDatabase;

// The print sheet of plant labels: the label layout, whether to label the
// selected cacti or all the list shows, and a picture of the first page.
// "Print..." accepts it; the caller then prints sheet() and remembers layout().
class LabelPrintDialog : public QDialog {
    Q_OBJECT
public:
    LabelPrintDialog(const SpinoraDatabase& document, std::vector<Cactus*> selected, std::vector<Cactus*> all,
                     const LabelLayout& layout, QWidget* parent = nullptr);
    ~LabelPrintDialog() override;

    const LabelLayout& layout() const;
    const LabelSheet& sheet() const { return *sheet_; }

    QComboBox* layoutChoice() const { return layoutChoice_; }
    QRadioButton* selectedButton() const { return selectedButton_; }
    QRadioButton* allButton() const { return allButton_; }
    QPushButton* printButton() const { return printButton_; }

private:
    void rebuildSheet();

    const SpinoraDatabase& document_;
    std::vector<Cactus*> selected_;
    std::vector<Cactus*> all_;
    std::unique_ptr<LabelSheet> sheet_;
    QComboBox* layoutChoice_ = nullptr;
    QRadioButton* selectedButton_ = nullptr;
    QRadioButton* allButton_ = nullptr;
    QLabel* summary_ = nullptr;
    QWidget* preview_ = nullptr;
    QPushButton* printButton_ = nullptr;
};

// Shows the platform's print dialog on the sheet's paper and prints the labels.
void printLabelsWithDialog(QWidget* window, const LabelSheet& sheet, const QString& documentName);

} // namespace spinora
