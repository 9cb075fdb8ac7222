#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

namespace spinora {

// The user-defaults file (~/.config/Spinora/Spinora.conf): the preferences,
// the shell's own settings and the recent collections, so a user finds
// everything Spinora keeps in one place and spinora-cli reads what the app
// wrote.
std::unique_ptr<QSettings> appSettings();

// A string setting with its default written back on first use, so that the
// configuration values (help links, update feed) can be found and edited in
// the settings file.
QString configurationValue(const QString& key, const QString& defaultValue);

namespace settings {
inline constexpr const char* kRecentDocuments = "recentDocuments";
inline constexpr const char* kWebsiteUrl = "help/websiteUrl";
inline constexpr const char* kFacebookUrl = "help/facebookUrl";
inline constexpr const char* kFaqUrl = "help/faqUrl";
inline constexpr const char* kUpdateFeedUrl = "updates/feedUrl";
inline constexpr const char* kCheckUpdatesAtStart = "updates/checkAtStartup";
inline constexpr const char* kToolbarStyle = "window/toolbarStyle";
inline constexpr const char* kRemindersEnabled = "reminders/enabled";
inline constexpr const char* kReminderTime = "reminders/time";
} // namespace settings

} // namespace spinora
