#pragma once

// Fixed facts about the application that the stored files and the exchange
// formats carry.
namespace spinora {

inline constexpr const char* kApplicationName = "Spinora";
// The format version written into export headers, CSV and report files.
inline constexpr const char* kFormatVersion = "1.2";
inline constexpr double kFormatVersionNumber = 1.2;
// Names the work folder under the user's caches directory.
inline constexpr const char* kApplicationIdentifier = "org.spinora.Spinora";
// Schema version of the tables in resources/schema.sql.
inline constexpr int kSchemaVersion = 3;
// The database file inside every collection package.
inline constexpr const char* kDatabaseFileName = "spinora.db";
inline constexpr const char* kPackageExtension = "sdb";

} // namespace spinora
