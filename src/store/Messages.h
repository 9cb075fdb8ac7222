#pragma once

// The fixed texts of internal errors. '%s' (or '%@') is replaced by SQLite's
// error text or the failing operation's description.
namespace spinora::msg {

inline constexpr const char* kPrepareFailed = "Error: failed to prepare statement with message '%s'.";
inline constexpr const char* kInsertFailed = "Error: failed to insert into the database with message '%s'.";
inline constexpr const char* kDeleteFailed = "Error: failed to delete from database with message '%s'.";
inline constexpr const char* kSaveFailed = "Error: failed to save with message '%s'.";
inline constexpr const char* kDehydrateFailed = "Error: failed to dehydrate with message '%s'.";
inline constexpr const char* kWritePhotoFailed = "Error: failed to write the photo file %s.";
inline constexpr const char* kCreateDatabaseFailed = "Failed to create writable database file with message '%@'.";
inline constexpr const char* kUpdateSchemaFailed = "Error: failed to update the database with message '%s'.";
inline constexpr const char* kOpenFailed = "Failed to open database with message '%s'.";
inline constexpr const char* kCacheSizeFailed = "Error: failed to set cache size with message '%s'.";
inline constexpr const char* kCompactFailed = "Error: failed to compact database with message '%s'.";
inline constexpr const char* kCloseFailed = "Error: failed to close database with message '%s'.";
// Not among the original fixed texts: a step that fails while reading rows
// (a damaged file) must not pass for a missing row.
inline constexpr const char* kReadFailed = "Error: failed to read from database with message '%s'.";
inline constexpr const char* kBeginFailed = "Error: failed to begin transaction with message '%s'.";
inline constexpr const char* kCommitFailed = "Error: failed to commit transaction with message '%s'.";
inline constexpr const char* kStampFailed = "Error: failed to update database message '%s'.";

} // namespace spinora::msg
