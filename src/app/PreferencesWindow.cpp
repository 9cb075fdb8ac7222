#include "PreferencesWindow.h"

#include "AppPreferences.h"
#include "Backups.h"
#include "DailyReminder.h"
#include "Localization.h"
#include "PhotoOriginals.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

PreferencesWindow::PreferencesWindow(AppPreferences& preferences, std::function<void()> notifyDatabasesOfCactusReSort,
                                     QWidget* parent)
    : QDialog(parent), preferences_(preferences), notifyResort_(std::move(notifyDatabasesOfCactusReSort))
{
    setObjectName(QStringLiteral("preferencesWindow"));
    setWindowTitle(localized("Preferences"));

    auto* sortBox = new QGroupBox(localized("Sort options"));
    sortCacti_ = new QCheckBox(localized("Sort cacti by species"));
    auto* sortLayout = new QVBoxLayout(sortBox);
    sortLayout->addWidget(sortCacti_);

    auto* databaseBox = new QGroupBox(localized("Database options"));
    defaultsAdded_ = new QCheckBox(localized("Add default species and events to new databases"));
    auto* databaseLayout = new QVBoxLayout(databaseBox);
    databaseLayout->addWidget(defaultsAdded_);

    auto* remindersBox = new QGroupBox(localized("Reminders"));
    reminders_ = new QCheckBox(localized("&Remind me of due plants every day at"));
    reminderTime_ = new QTimeEdit;
    reminderTime_->setObjectName(QStringLiteral("reminderTime"));
    reminderTime_->setDisplayFormat(QStringLiteral("HH:mm"));
    reminderTime_->setAccessibleName(localized("Reminder time"));
    reminderStatus_ = new QLabel;
    reminderStatus_->setObjectName(QStringLiteral("reminderStatus"));
    reminderStatus_->setWordWrap(true);
    reminderStatus_->setMaximumWidth(420);
    reminderStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* reminderRow = new QHBoxLayout;
    reminderRow->addWidget(reminders_);
    reminderRow->addWidget(reminderTime_);
    reminderRow->addStretch();
    auto* remindersLayout = new QVBoxLayout(remindersBox);
    remindersLayout->addLayout(reminderRow);
    remindersLayout->addWidget(reminderStatus_);

    auto* snapshotsBox = new QGroupBox(localized("Snapshots"));
    snapshots_ = new QCheckBox(localized("&Keep snapshots of each collection: daily, and before each import or restore"));
    snapshotFolder_ = new QLineEdit;
    snapshotFolder_->setObjectName(QStringLiteral("snapshotFolder"));
    snapshotFolder_->setPlaceholderText(QDir::toNativeSeparators(BackupSettings::defaultFolder()));
    auto* folderLabel = new QLabel(localized("&Folder:"));
    folderLabel->setBuddy(snapshotFolder_);
    auto* chooseFolder = new QPushButton(localized("C&hoose…"));
    chooseFolder->setObjectName(QStringLiteral("chooseSnapshotFolder"));
    snapshotLimit_ = new QSpinBox;
    snapshotLimit_->setObjectName(QStringLiteral("snapshotLimit"));
    snapshotLimit_->setRange(1, 10000);
    snapshotLimit_->setSuffix(localized(" GB"));
    auto* limitLabel = new QLabel(localized("&Use at most:"));
    limitLabel->setBuddy(snapshotLimit_);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(snapshotFolder_, 1);
    folderRow->addWidget(chooseFolder);
    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(limitLabel);
    limitRow->addWidget(snapshotLimit_);
    limitRow->addStretch();
    auto* snapshotsLayout = new QVBoxLayout(snapshotsBox);
    snapshotsLayout->addWidget(snapshots_);
    snapshotsLayout->addLayout(folderRow);
    snapshotsLayout->addLayout(limitRow);
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, localized("Snapshot Folder"),
                                                                 BackupSettings::read().root());
        if (!chosen.isEmpty()) {
            snapshotFolder_->setText(QDir::toNativeSeparators(chosen));
            snapshotSettingsChanged();
        }
    });

    auto* photosBox = new QGroupBox(localized("Photos"));
    keepOriginals_ = new QCheckBox(localized("Keep the &original file of each photo added (full detail, date taken)"));
    originalsSpace_ = new QLabel;
    originalsSpace_->setObjectName(QStringLiteral("originalsSpace"));
    auto* photosLayout = new QVBoxLayout(photosBox);
    photosLayout->addWidget(keepOriginals_);
    photosLayout->addWidget(originalsSpace_);

    auto* languageBox = new QGroupBox(localized("Language"));
    language_ = new QComboBox;
    language_->setObjectName(QStringLiteral("language"));
    language_->addItem(localized("System"), QString());
    for (const Translations::Language& known : Translations::languages())
        language_->addItem(known.name, known.code);
    auto* languageLabel = new QLabel(localized("&Language:"));
    languageLabel->setBuddy(language_);
    auto* languageNote = new QLabel(localized("Applied the next time Spinora starts."));
    auto* languageRow = new QHBoxLayout(languageBox);
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language_);
    languageRow->addWidget(languageNote);
    languageRow->addStretch();

    // Changes apply at once, as GNOME and KDE settings windows do: one
    // button closes the window.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sortBox);
    layout->addWidget(databaseBox);
    layout->addWidget(remindersBox);
    layout->addWidget(snapshotsBox);
    layout->addWidget(photosBox);
    layout->addWidget(languageBox);
    layout->addStretch();
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadValues();
    connect(sortCacti_, &QCheckBox::toggled, this, &PreferencesWindow::sortCactiChanged);
    connect(defaultsAdded_, &QCheckBox::toggled, this, &PreferencesWindow::defaultsAddedChanged);
    connect(reminders_, &QCheckBox::toggled, this, &PreferencesWindow::remindersChanged);
    connect(reminderTime_, &QTimeEdit::editingFinished, this, &PreferencesWindow::reminderTimeChanged);
    connect(snapshots_, &QCheckBox::toggled, this, &PreferencesWindow::snapshotSettingsChanged);
    connect(keepOriginals_, &QCheckBox::toggled, this, [](bool keep) { PhotoOriginals::setKeep(keep); });
    connect(language_, &QComboBox::activated, this,
            [this] { Translations::chooseLanguage(language_->currentData().toString()); });
    connect(snapshotFolder_, &QLineEdit::editingFinished, this, &PreferencesWindow::snapshotSettingsChanged);
    connect(snapshotLimit_, &QSpinBox::valueChanged, this, &PreferencesWindow::snapshotSettingsChanged);
}

void PreferencesWindow::loadValues()
{
    const QSignalBlocker blockSort(sortCacti_);
    const QSignalBlocker blockDefaults(defaultsAdded_);
    const QSignalBlocker blockReminders(reminders_);
    sortCacti_->setChecked(preferences_.sortCactiBySpecies());
    defaultsAdded_->setChecked(!preferences_.addNoDefaultsToDatabases());
    reminders_->setChecked(DailyReminder::isOn());
    reminderTime_->setTime(DailyReminder::time());
    reminderStatus_->clear();
    reminderStatus_->hide();
    language_->setCurrentIndex(std::max(0, language_->findData(Translations::chosenLanguage())));
    const BackupSettings backups = BackupSettings::read();
    const QSignalBlocker blockSnapshots(snapshots_);
    const QSignalBlocker blockLimit(snapshotLimit_);
    snapshots_->setChecked(backups.enabled);
    snapshotFolder_->setText(QDir::toNativeSeparators(backups.folder));
    snapshotLimit_->setValue(static_cast<int>(std::max<qint64>(1, backups.limitBytes >> 30)));
    snapshotFolder_->setEnabled(backups.enabled);
    snapshotLimit_->setEnabled(backups.enabled);
    const QSignalBlocker blockOriginals(keepOriginals_);
    keepOriginals_->setChecked(PhotoOriginals::keep());
    qint64 originalBytes = 0;
    for (const SpinoraDatabase* document : SpinoraUtility::sharedManager().documents().documents())
        originalBytes += PhotoOriginals::bytesIn(document->packageFilename());
    originalsSpace_->setText(localized("The originals take %1 in the open collections.")
                                 .arg(QLocale().formattedDataSize(originalBytes)));
}

void PreferencesWindow::snapshotSettingsChanged()
{
    BackupSettings backups;
    backups.enabled = snapshots_->isChecked();
    backups.folder = QDir::fromNativeSeparators(snapshotFolder_->text().trimmed());
    backups.limitBytes = qint64(snapshotLimit_->value()) << 30;
    backups.write();
    snapshotFolder_->setEnabled(backups.enabled);
    snapshotLimit_->setEnabled(backups.enabled);
}

void PreferencesWindow::presentPreferences()
{
    loadValues();
    exec();
}

void PreferencesWindow::sortCactiChanged(bool checked)
{
    preferences_.setSortCactiBySpecies(checked);
    preferences_.setSortCactiChanged(true);
}

void PreferencesWindow::defaultsAddedChanged(bool checked)
{
    preferences_.setAddNoDefaultsToDatabases(!checked);
}

void PreferencesWindow::remindersChanged(bool checked)
{
    const DailyReminder::Result result = checked ? DailyReminder::turnOn(reminderTime_->time()) : DailyReminder::turnOff();
    reminderStatus_->setText(result.message);
    reminderStatus_->show();
    // The fixed-size window grows by the wrapped lines.
    layout()->invalidate();
    adjustSize();
    // A reminder that could not be set up at all is shown as off.
    if (result.on != checked) {
        const QSignalBlocker block(reminders_);
        reminders_->setChecked(result.on);
    }
}

void PreferencesWindow::reminderTimeChanged()
{
    if (reminders_->isChecked() && reminderTime_->time() != DailyReminder::time())
        remindersChanged(true);
}

void PreferencesWindow::done(int result)
{
    // Turning the box on and off again still counts as a change: the lists
    // are re-sorted once, which is harmless.
    if (preferences_.sortCactiChanged()) {
        preferences_.setSortCactiChanged(false);
        if (notifyResort_)
            notifyResort_();
    }
    QDialog::done(result);
}

} // namespace spinora
