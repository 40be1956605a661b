#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/catalog.h"
#include "model/result.h"

struct sqlite3;
struct sqlite3_stmt;

namespace korvane {

inline constexpr int kRecentEditsRows = 10;

// The catalog file: an SQLite database with the tables "Features" (read once
// into memory at open) and "Recent Edits" (read and written in place).
class CatalogStore final : public RecentEdits {
public:
    // Opens an existing catalog file; a file that is not a catalog, lacks a
    // table or column, or holds an unreadable row is refused with a message
    // naming the file and what is wrong. A catalog that another program holds
    // locked for longer than the busy timeout is refused too, with `in_use`
    // set when given: that passes, and the file is sound.
    static Result<std::unique_ptr<CatalogStore>> Open(const std::filesystem::path& file,
                                                      bool* in_use = nullptr);

    // A second handle on the same catalog file, for another thread: its
    // features share this one's rows (nothing changes them while the handle
    // lives) rather than reading or copying them, and keep a cursor of their own.
    Result<std::unique_ptr<CatalogStore>> OpenAgain() const;
    ~CatalogStore() override;
    CatalogStore(const CatalogStore&) = delete;
    CatalogStore& operator=(const CatalogStore&) = delete;

    Catalog& Features() { return features_; }
    const std::filesystem::path& Path() const { return path_; }

    std::string Filespec(int position) const override;
    Status SetFilespec(int position, std::string_view path) override;
    // BEGIN IMMEDIATE: waits up to the busy timeout for another program's write.
    Status InOneTransaction(const std::function<Status()>& change) override;

    // Replaces every row of "Features", in the file and in memory; the recent
    // files stay. Nothing is written when it fails; `in_use`, when given, is
    // set when it failed because another program holds the file locked.
    Status ReplaceFeatures(const std::vector<ComponentRecord>& rows, bool* in_use = nullptr);

    void Close();

private:
    CatalogStore(sqlite3* db, std::filesystem::path path, Catalog features);

    sqlite3* db_;
    // Prepared once: every save looks through the recent files.
    mutable sqlite3_stmt* select_filespec_ = nullptr;
    std::filesystem::path path_;
    Catalog features_;
};

// Writes a new catalog database holding `rows` and ten empty recent-file rows
// at `file`, where no file may be yet; messages name the file as `shown_as`
// (the catalog file that a temporary `file` is to become). A database left
// half-written by a failure is removed again.
Status WriteNewCatalogDatabase(const std::filesystem::path& file,
                               const std::vector<ComponentRecord>& rows,
                               const std::filesystem::path& shown_as);

// The "Features" rows of a catalog file, in key order.
Result<std::vector<ComponentRecord>> ReadCatalogFileRows(const std::filesystem::path& file);

}  // namespace korvane
