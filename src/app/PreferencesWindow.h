#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;

namespace spinora {

class AppPreferences;

// The "Preferences" window: "Sort cacti by species" and "Add default species
// and events to new databases". Each toggle is stored at once; when the sort
// changed, every open collection is re-sorted once, as the window closes.
class PreferencesWindow : public QDialog {
    Q_OBJECT
public:
    PreferencesWindow(AppPreferences& preferences, std::function<void()> notifyDatabasesOfCactusReSort,
                      QWidget* parent = nullptr);

    // Shows the window and runs it modally.
    void presentPreferences();

    QCheckBox* sortCactiCheckBox() const { return sortCacti_; }
    QCheckBox* defaultsAddedCheckBox() const { return defaultsAdded_; }

public slots:
    void sortCactiChanged(bool checked);
    void defaultsAddedChanged(bool checked);
    void done(int result) override;

private:
    void loadValues();

    AppPreferences& preferences_;
    std::function<void()> notifyResort_;
    QCheckBox* sortCacti_ = nullptr;
    QCheckBox* defaultsAdded_ = nullptr;
};

} // namespace spinora
