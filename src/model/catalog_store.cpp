#include "model/catalog_store.h"

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "model/catalog_values.h"
#include "model/cp1252.h"
#include "model/record_fields.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

// Closes a statement however the function that prepared it ends.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

constexpr const char* kRecentListNotUpdated =
    "the list of recently used designs could not be updated (";

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

// SQLite's words, or plainer ones where its own hide the reason, with the
// system's reason when a system call failed under them: a file-size limit
// reads "disk I/O error" otherwise.
std::string SqliteMessage(sqlite3* db) {
    if (db == nullptr) {
        return "out of memory";
    }
    const int code = sqlite3_errcode(db);
    if (code != SQLITE_IOERR && code != SQLITE_FULL && code != SQLITE_CANTOPEN) {
        return sqlite3_errmsg(db);
    }
    const std::string words = code == SQLITE_FULL    ? "the disk is full"
                              : code == SQLITE_IOERR ? "the file could not be written or read"
                                                     : "the file cannot be opened";
    int system_error = sqlite3_system_errno(db);
    if (system_error == 0) {
        // SQLite keeps the reason of the call that failed only with the file
        // (a write past the file-size limit is one); its own record may be gone.
        int file_error = 0;
        if (sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &file_error) == SQLITE_OK) {
            system_error = file_error;
        }
    }
    return system_error == 0 ? words : words + ": " + std::strerror(system_error);
}

// The last failure on `db` was another program's lock, not the file's content.
bool Locked(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

std::string InUseMessage(const std::filesystem::path& file) {
    return file.string() +
           ": is in use by another program, which holds it locked; try again when it is done";
}

Status Execute(sqlite3* db, const std::string& sql, const std::filesystem::path& file) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = SqliteMessage(db);
        sqlite3_free(message);
        return Error{Locked(db) ? InUseMessage(file) : file.string() + ": " + text};
    }
    return {};
}

std::string FeaturesSchema() {
    std::string sql = "CREATE TABLE \"Features\" (";
    const auto& fields = RecordFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const FieldInfo& info = fields[field];
        sql += (field ? ", " : "") + Quoted(info.name);
        if (info.name == "custom" || info.kind == FieldKind::Text) {
            sql += " TEXT";
        } else {
            sql += info.kind == FieldKind::Integer ? " INTEGER NOT NULL" : " REAL NOT NULL";
        }
    }
    return sql + ");\nCREATE UNIQUE INDEX \"MAINDEX\" ON \"Features\" (\"TABLE\", \"IDNUM\");\n";
}

// "Recent Edits" is keyed by its position; an SQLite index name serves one
// table only, so its key is the table's primary key rather than a second "MAINDEX".
constexpr const char* kRecentEditsSchema =
    "CREATE TABLE \"Recent Edits\" (\"IDNUM\" INTEGER PRIMARY KEY, \"FILESPEC\" TEXT);\n";

Status InsertRows(sqlite3* db, const std::filesystem::path& file,
                  const std::vector<ComponentRecord>& rows) {
    const auto& fields = RecordFields();
    std::string sql = "INSERT INTO \"Features\" VALUES (";
    for (std::size_t field = 0; field < fields.size(); ++field) {
        sql += field ? ", ?" : "?";
    }
    Statement insert(db, sql + ")");
    if (!insert.ok()) {
        return Error{file.string() + ": " + SqliteMessage(db)};
    }
    for (const ComponentRecord& row : rows) {
        sqlite3_reset(insert.get());
        for (std::size_t field = 0; field < fields.size(); ++field) {
            const int column = static_cast<int>(field) + 1;
            if (fields[field].kind == FieldKind::Text) {
                std::string text = TextField(row, field);
                while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
                    text.pop_back();
                }
                const std::string utf8 = Utf8FromCp1252(text);
                sqlite3_bind_text(insert.get(), column, utf8.c_str(), static_cast<int>(utf8.size()),
                                  SQLITE_TRANSIENT);
            } else if (fields[field].name == "custom") {
                const std::string text = std::to_string(row.custom);
                sqlite3_bind_text(insert.get(), column, text.c_str(), -1, SQLITE_TRANSIENT);
            } else if (fields[field].kind == FieldKind::Integer) {
                sqlite3_bind_int(insert.get(), column, static_cast<int>(NumberField(row, field)));
            } else {
                sqlite3_bind_double(insert.get(), column, NumberField(row, field));
            }
        }
        if (sqlite3_step(insert.get()) != SQLITE_DONE) {
            return Error{file.string() + ": cannot store row " + RowKeyText(row) + " (" +
                         SqliteMessage(db) + ")"};
        }
    }
    return {};
}

// The text of a column as the catalog reader sees it; NULL reads as empty.
std::string ColumnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

Result<ComponentRecord> ReadRow(sqlite3_stmt* stmt,
                                const std::array<int, kRecordFieldCount>& column_of) {
    const auto& fields = RecordFields();
    ComponentRecord row;
    std::string problem;
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const int column = column_of[field];
        if (fields[field].kind == FieldKind::Text) {
            SetTextField(row, field, Cp1252FromUtf8(ColumnText(stmt, column)));
            continue;
        }
        const int type = sqlite3_column_type(stmt, column);
        Result<double> number = 0.0;
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            number = ParseCatalogNumber(ExactNumberText(sqlite3_column_double(stmt, column)),
                                        fields[field]);
        } else if (type == SQLITE_BLOB) {
            number = Error{"field " + std::string(fields[field].name) +
                           " holds binary data, not a number"};
        } else {
            number = ParseCatalogNumber(Cp1252FromUtf8(ColumnText(stmt, column)), fields[field]);
        }
        if (!number) {
            if (problem.empty()) {
                problem = number.message();
            }
            continue;
        }
        SetNumberField(row, field, *number);
    }
    if (!problem.empty()) {
        return Error{"row " + RowKeyText(row) + " of \"Features\": " + problem};
    }
    return row;
}

Result<std::vector<ComponentRecord>> ReadFeatures(sqlite3* db, const std::filesystem::path& file,
                                                  bool& in_use) {
    Statement select(db, "SELECT * FROM \"Features\"");
    if (!select.ok()) {
        if (Locked(db)) {
            in_use = true;
            return Error{InUseMessage(file)};
        }
        const std::string message = SqliteMessage(db);
        if (message.find("no such table") != std::string::npos) {
            return Error{file.string() + ": the catalog lacks the table \"Features\""};
        }
        return Error{file.string() + ": is not a catalog database (" + message + ")"};
    }
    const auto& fields = RecordFields();
    std::array<int, kRecordFieldCount> column_of;
    column_of.fill(-1);
    for (int column = 0; column < sqlite3_column_count(select.get()); ++column) {
        const std::string name = sqlite3_column_name(select.get(), column);
        for (std::size_t field = 0; field < fields.size(); ++field) {
            if (sqlite3_stricmp(name.c_str(), std::string(fields[field].name).c_str()) == 0) {
                column_of[field] = column;
            }
        }
    }
    for (std::size_t field = 0; field < fields.size(); ++field) {
        if (column_of[field] < 0) {
            return Error{file.string() + ": the table \"Features\" lacks the column \"" +
                         std::string(fields[field].name) + "\""};
        }
    }
    std::vector<ComponentRecord> rows;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        auto row = ReadRow(select.get(), column_of);
        if (!row) {
            return Error{file.string() + ": " + row.message()};
        }
        rows.push_back(*row);
    }
    if (step != SQLITE_DONE) {
        if (Locked(db)) {
            in_use = true;
            return Error{InUseMessage(file)};
        }
        return Error{file.string() + ": cannot read \"Features\" (" + SqliteMessage(db) + ")"};
    }
    return rows;
}

Status CheckRecentEdits(sqlite3* db, const std::filesystem::path& file, bool& in_use) {
    Statement select(db, "SELECT \"IDNUM\", \"FILESPEC\" FROM \"Recent Edits\" LIMIT 1");
    if (!select.ok()) {
        if (Locked(db)) {
            in_use = true;
            return Error{InUseMessage(file)};
        }
        const std::string message = SqliteMessage(db);
        if (message.find("no such table") != std::string::npos) {
            return Error{file.string() + ": the catalog lacks the table \"Recent Edits\""};
        }
        return Error{file.string() + ": the table \"Recent Edits\" is unreadable (" + message +
                     ")"};
    }
    return {};
}

Result<sqlite3*> OpenDatabase(const std::filesystem::path& file, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        std::string message = SqliteMessage(db);
        sqlite3_close(db);
        return Error{file.string() + ": cannot be opened (" + message + ")"};
    }
    sqlite3_busy_timeout(db, 2000);
    return db;
}

}  // namespace

CatalogStore::CatalogStore(sqlite3* db, std::filesystem::path path, Catalog features)
    : db_(db), path_(std::move(path)), features_(std::move(features)) {}

CatalogStore::~CatalogStore() {
    Close();
}

void CatalogStore::Close() {
    sqlite3_finalize(select_filespec_);
    select_filespec_ = nullptr;
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

Result<std::unique_ptr<CatalogStore>> CatalogStore::Open(const std::filesystem::path& file,
                                                         bool* in_use) {
    if (in_use) {
        *in_use = false;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Error{file.string() + ": no catalog file there"};
    }
    auto db = OpenDatabase(file, SQLITE_OPEN_READWRITE);
    if (!db) {
        db = OpenDatabase(file, SQLITE_OPEN_READONLY);
    }
    if (!db) {
        return Error{db.message()};
    }
    bool locked = false;
    auto rows = ReadFeatures(*db, file, locked);
    Status recent = rows ? CheckRecentEdits(*db, file, locked) : rows.status();
    if (!recent) {
        sqlite3_close(*db);
        if (in_use) {
            *in_use = locked;
        }
        return Error{recent.message()};
    }
    return std::unique_ptr<CatalogStore>(new CatalogStore(*db, file, Catalog(std::move(*rows))));
}

Result<std::unique_ptr<CatalogStore>> CatalogStore::OpenAgain() const {
    auto db = OpenDatabase(path_, SQLITE_OPEN_READWRITE);
    if (!db) {
        db = OpenDatabase(path_, SQLITE_OPEN_READONLY);
    }
    if (!db) {
        return Error{db.message()};
    }
    return std::unique_ptr<CatalogStore>(new CatalogStore(*db, path_, features_));
}

std::string CatalogStore::Filespec(int position) const {
    if (!select_filespec_ &&
        sqlite3_prepare_v2(db_, "SELECT \"FILESPEC\" FROM \"Recent Edits\" WHERE \"IDNUM\" = ?", -1,
                           &select_filespec_, nullptr) != SQLITE_OK) {
        return {};
    }
    sqlite3_bind_int(select_filespec_, 1, position);
    const bool found = sqlite3_step(select_filespec_) == SQLITE_ROW;
    std::string path = found ? ColumnText(select_filespec_, 0) : std::string();
    sqlite3_reset(select_filespec_);  // ends the read, so other programs may write the catalog
    return std::string(Trimmed(path));
}

Status CatalogStore::SetFilespec(int position, std::string_view path) {
    Statement update(
        db_, "INSERT OR REPLACE INTO \"Recent Edits\" (\"IDNUM\", \"FILESPEC\") VALUES (?, ?)");
    if (!update.ok()) {
        return Error{path_.string() + ": " + kRecentListNotUpdated + SqliteMessage(db_) + ")"};
    }
    sqlite3_bind_int(update.get(), 1, position);
    sqlite3_bind_text(update.get(), 2, path.data(), static_cast<int>(path.size()),
                      SQLITE_TRANSIENT);
    if (sqlite3_step(update.get()) != SQLITE_DONE) {
        return Error{path_.string() + ": " + kRecentListNotUpdated + SqliteMessage(db_) + ")"};
    }
    return {};
}

Status CatalogStore::InOneTransaction(const std::function<Status()>& change) {
    const Status begun = Execute(db_, "BEGIN IMMEDIATE;", path_);
    if (!begun) {
        return Error{path_.string() + ": " + kRecentListNotUpdated + SqliteMessage(db_) + ")"};
    }
    Status status = change();
    if (status) {
        status = Execute(db_, "COMMIT;", path_);
    }
    if (!status) {
        Execute(db_, "ROLLBACK;", path_).ok();
    }
    return status;
}

Status CatalogStore::ReplaceFeatures(const std::vector<ComponentRecord>& rows, bool* in_use) {
    Status status = Execute(db_, "BEGIN IMMEDIATE; DELETE FROM \"Features\";", path_);
    if (status) {
        status = InsertRows(db_, path_, rows);
    }
    if (!status) {
        if (in_use != nullptr) {
            *in_use = Locked(db_);
        }
        Execute(db_, "ROLLBACK;", path_).ok();
        return status;
    }
    status = Execute(db_, "COMMIT;", path_);
    if (status) {
        features_ = Catalog(rows);
    }
    return status;
}

Status WriteNewCatalogDatabase(const std::filesystem::path& file,
                               const std::vector<ComponentRecord>& rows,
                               const std::filesystem::path& shown_as) {
    auto db = OpenDatabase(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db) {
        return Error{shown_as.string() +
                     ": cannot be created (the folder is missing or read-only)"};
    }
    std::string recent_rows;
    for (int position = 1; position <= kRecentEditsRows; ++position) {
        recent_rows +=
            "INSERT INTO \"Recent Edits\" VALUES (" + std::to_string(position) + ", NULL);\n";
    }
    Status status =
        Execute(*db, "BEGIN;\n" + FeaturesSchema() + kRecentEditsSchema + recent_rows, shown_as);
    if (status) {
        status = InsertRows(*db, shown_as, rows);
    }
    if (status) {
        status = Execute(*db, "COMMIT;", shown_as);
    }
    sqlite3_close(*db);
    if (!status) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
    return status;
}

Result<std::vector<ComponentRecord>> ReadCatalogFileRows(const std::filesystem::path& file) {
    auto store = CatalogStore::Open(file);
    if (!store) {
        return Error{store.message()};
    }
    return (*store)->Features().Rows();
}

}  // namespace korvane
