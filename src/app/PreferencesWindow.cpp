#include "PreferencesWindow.h"

#include "AppPreferences.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace spinora {

PreferencesWindow::PreferencesWindow(AppPreferences& preferences, std::function<void()> notifyDatabasesOfCactusReSort,
                                     QWidget* parent)
    : QDialog(parent), preferences_(preferences), notifyResort_(std::move(notifyDatabasesOfCactusReSort))
{
    setObjectName(QStringLiteral("preferencesWindow"));
    setWindowTitle(QStringLiteral("Preferences"));

    auto* sortBox = new QGroupBox(QStringLiteral("Sort options"));
    sortCacti_ = new QCheckBox(QStringLiteral("Sort cacti by species"));
    auto* sortLayout = new QVBoxLayout(sortBox);
    sortLayout->addWidget(sortCacti_);

    auto* databaseBox = new QGroupBox(QStringLiteral("Database options"));
    defaultsAdded_ = new QCheckBox(QStringLiteral("Add default species and events to new databases"));
    auto* databaseLayout = new QVBoxLayout(databaseBox);
    databaseLayout->addWidget(defaultsAdded_);

    // Changes apply at once, as GNOME and KDE settings windows do: one
    // button closes the window.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sortBox);
    layout->addWidget(databaseBox);
    layout->addStretch();
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadValues();
    connect(sortCacti_, &QCheckBox::toggled, this, &PreferencesWindow::sortCactiChanged);
    connect(defaultsAdded_, &QCheckBox::toggled, this, &PreferencesWindow::defaultsAddedChanged);
}

void PreferencesWindow::loadValues()
{
    const QSignalBlocker blockSort(sortCacti_);
    const QSignalBlocker blockDefaults(defaultsAdded_);
    sortCacti_->setChecked(preferences_.sortCactiBySpecies());
    defaultsAdded_->setChecked(!preferences_.addNoDefaultsToDatabases());
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
