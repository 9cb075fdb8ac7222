#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTimeEdit;

namespace spinora {

class AppPreferences;

// The "Preferences" window: "Sort cacti by species", "Add default species
// and events to new databases" and "Remind me of due plants every day at
// [time]", and the snapshots: on or off, their folder and the most space
// they may take; and the language, applied at the next start. Each change
// applies at once; when the sort changed, every open
// collection is re-sorted once, as the window closes.
class PreferencesWindow : public QDialog {
    Q_OBJECT
public:
    PreferencesWindow(AppPreferences& preferences, std::function<void()> notifyDatabasesOfCactusReSort,
                      QWidget* parent = nullptr);

    // Shows the window and runs it modally.
    void presentPreferences();

    QCheckBox* sortCactiCheckBox() const { return sortCacti_; }
    QCheckBox* defaultsAddedCheckBox() const { return defaultsAdded_; }
    QCheckBox* remindersCheckBox() const { return reminders_; }
    QTimeEdit* reminderTimeEdit() const { return reminderTime_; }
    QLabel* reminderStatus() const { return reminderStatus_; }
    QCheckBox* snapshotsCheckBox() const { return snapshots_; }
    QLineEdit* snapshotFolderEdit() const { return snapshotFolder_; }
    QSpinBox* snapshotLimitBox() const { return snapshotLimit_; }
    QComboBox* languageBox() const { return language_; }

public slots:
    void sortCactiChanged(bool checked);
    void defaultsAddedChanged(bool checked);
    void remindersChanged(bool checked);
    void reminderTimeChanged();
    // Writes the three snapshot settings as the window shows them.
    void snapshotSettingsChanged();
    void done(int result) override;

private:
    void loadValues();

    AppPreferences& preferences_;
    std::function<void()> notifyResort_;
    QCheckBox* sortCacti_ = nullptr;
    QCheckBox* defaultsAdded_ = nullptr;
    QCheckBox* reminders_ = nullptr;
    QTimeEdit* reminderTime_ = nullptr;
    QLabel* reminderStatus_ = nullptr;
    QCheckBox* snapshots_ = nullptr;
    QLineEdit* snapshotFolder_ = nullptr;
    QSpinBox* snapshotLimit_ = nullptr;
    QCheckBox* keepOriginals_ = nullptr;
    QLabel* originalsSpace_ = nullptr;
    QComboBox* language_ = nullptr;
};

} // namespace spinora
