#include "platform/CatalogueDatabase.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/ProgramDirectory.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace {

std::string& PathOverride() {
    static std::string path;
    return path;
}

std::string Quoted(std::string_view name) {
    return "'" + std::string(name) + "'";
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Statement Prepare(sqlite3* db, const std::string& sql, const std::string& object) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        CatalogueFault(object, sqlite3_errmsg(db));
    }
    return Statement(statement, sqlite3_finalize);
}

// Takes every row of a prepared statement, so that the record set can count
// them and move over them without going back to the engine.
Recordset TakeRows(sqlite3* db, sqlite3_stmt* statement, const std::string& object) {
    const int columns = sqlite3_column_count(statement);
    std::vector<std::string> fields;
    for (int k = 0; k < columns; ++k) {
        fields.emplace_back(sqlite3_column_name(statement, k));
    }
    std::vector<std::vector<Recordset::Value>> rows;
    int status = SQLITE_OK;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        auto& row = rows.emplace_back();
        for (int k = 0; k < columns; ++k) {
            switch (sqlite3_column_type(statement, k)) {
            case SQLITE_NULL:
                row.emplace_back(std::monostate{});
                break;
            case SQLITE_INTEGER:
                row.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(statement, k)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(statement, k));
                break;
            default:
                row.emplace_back(
                    std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, k)),
                                static_cast<std::size_t>(sqlite3_column_bytes(statement, k))));
                break;
            }
        }
    }
    if (status != SQLITE_DONE) {
        CatalogueFault(object, sqlite3_errmsg(db));
    }
    sqlite3_reset(statement);
    return Recordset(object, std::move(fields), std::move(rows));
}

} // namespace

void CatalogueFault(const std::string& object, const std::string& fault) {
    throw AppError(ErrorNumber::DatabaseError, "Catalogue database, " + object + ": " + fault);
}

// --- Recordset ---

Recordset::Recordset(std::string object, std::vector<std::string> fields,
                     std::vector<std::vector<Value>> rows)
    : object_(std::move(object)), fields_(std::move(fields)), rows_(std::move(rows)) {}

void Recordset::Fail(const std::string& fault) const {
    CatalogueFault(object_, fault);
}

void Recordset::Reject(std::string_view field, const std::string& fault) const {
    Fail("row " + std::to_string(current_ + 1) + ", field " + Quoted(field) + " " + fault);
}

void Recordset::MoveFirst() {
    if (rows_.empty()) {
        Fail("no current record (there are no rows)");
    }
    current_ = 0;
}

void Recordset::MoveNext() {
    if (Eof()) {
        Fail("no current record (moved past the last row)");
    }
    ++current_;
}

const Recordset::Value& Recordset::CurrentValue(std::string_view field) const {
    const auto found = std::find_if(fields_.begin(), fields_.end(),
                                    [&](const std::string& name) { return SameName(name, field); });
    if (found == fields_.end()) {
        Fail("no field " + Quoted(field));
    }
    if (Eof()) {
        Fail("no current record to read field " + Quoted(field) + " from");
    }
    return rows_[current_][static_cast<std::size_t>(found - fields_.begin())];
}

double Recordset::Double(std::string_view field) const {
    const Value& value = CurrentValue(field);
    if (std::holds_alternative<std::monostate>(value)) {
        Reject(field, "is NULL");
    }
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*whole);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return *real;
    }
    const std::string& text = std::get<std::string>(value);
    const auto number = Numbers::ParseNumber(text);
    if (!number) {
        Reject(field, "is not a number: " + Quoted(text));
    }
    return *number;
}

std::int32_t Recordset::Int32(std::string_view field) const {
    const Value& value = CurrentValue(field);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (*whole < std::numeric_limits<std::int32_t>::min() ||
            *whole > std::numeric_limits<std::int32_t>::max()) {
            Reject(field, "does not fit a 32-bit whole number: " + std::to_string(*whole));
        }
        return static_cast<std::int32_t>(*whole);
    }
    // A fraction rounds half to even, as a whole-number field takes a number.
    const double rounded = std::nearbyint(Double(field));
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        Reject(field, "does not fit a 32-bit whole number: " + Numbers::GeneralText(rounded));
    }
    return static_cast<std::int32_t>(rounded);
}

std::string Recordset::Text(std::string_view field) const {
    const Value& value = CurrentValue(field);
    if (std::holds_alternative<std::monostate>(value)) {
        Reject(field, "is NULL");
    }
    return TextOrEmpty(field);
}

std::string Recordset::TextOrEmpty(std::string_view field) const {
    const Value& value = CurrentValue(field);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*whole);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return Numbers::GeneralText(*real);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return {};
}

// --- StoredQuery ---

StoredQuery::StoredQuery(std::shared_ptr<sqlite3> db, std::string name, sqlite3_stmt* statement)
    : db_(std::move(db)), name_(std::move(name)), statement_(statement, sqlite3_finalize),
      bound_(static_cast<std::size_t>(sqlite3_bind_parameter_count(statement)), false) {}

int StoredQuery::ParameterIndex(std::string_view name) const {
    const int index =
        sqlite3_bind_parameter_index(statement_.get(), (":" + std::string(name)).c_str());
    if (index == 0) {
        CatalogueFault("stored query " + Quoted(name_), "no parameter " + Quoted(name));
    }
    return index;
}

void StoredQuery::SetParameter(std::string_view name, std::int32_t value) {
    const int index = ParameterIndex(name);
    sqlite3_bind_int(statement_.get(), index, value);
    bound_[static_cast<std::size_t>(index - 1)] = true;
}

void StoredQuery::SetParameter(std::string_view name, double value) {
    const int index = ParameterIndex(name);
    sqlite3_bind_double(statement_.get(), index, value);
    bound_[static_cast<std::size_t>(index - 1)] = true;
}

void StoredQuery::SetParameter(std::string_view name, const std::string& value) {
    const int index = ParameterIndex(name);
    sqlite3_bind_text(statement_.get(), index, value.c_str(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
    bound_[static_cast<std::size_t>(index - 1)] = true;
}

Recordset StoredQuery::Open() {
    const std::string object = "stored query " + Quoted(name_);
    for (std::size_t k = 0; k < bound_.size(); ++k) {
        if (!bound_[k]) {
            const char* name =
                sqlite3_bind_parameter_name(statement_.get(), static_cast<int>(k + 1));
            CatalogueFault(object, "parameter " + Quoted(name ? name : "?") + " has no value");
        }
    }
    return TakeRows(db_.get(), statement_.get(), object);
}

// --- CatalogueDatabase ---

std::string CatalogueDatabase::Path() {
    return PathOverride().empty() ? ProgramDirectory() + "/TWLDBUS.db" : PathOverride();
}

void CatalogueDatabase::OverridePath(std::string path) {
    PathOverride() = std::move(path);
}

CatalogueDatabase::CatalogueDatabase() : CatalogueDatabase(Path()) {}

CatalogueDatabase::CatalogueDatabase(const std::string& path) {
    const std::string object = "file " + Quoted(path);
    sqlite3* db = nullptr;
    const int status = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    db_.reset(db, sqlite3_close_v2);
    if (status != SQLITE_OK) {
        CatalogueFault(object, std::string("cannot be opened: ") +
                                   (db ? sqlite3_errmsg(db) : sqlite3_errstr(status)));
    }
    // A misspelt column in double quotes must be a fault, not a text literal.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    // The file is only read when it is first used; make sure now that it is a database.
    Statement probe = Prepare(db, "SELECT count(*) FROM sqlite_schema", object);
    TakeRows(db, probe.get(), object);
}

StoredQuery CatalogueDatabase::Query(const std::string& name) const {
    const std::string object = "stored query " + Quoted(name);
    Statement lookup = Prepare(db_.get(), "SELECT Sql FROM StoredQueries WHERE Name = ?1", object);
    sqlite3_bind_text(lookup.get(), 1, name.c_str(), static_cast<int>(name.size()),
                      SQLITE_TRANSIENT);
    Recordset found = TakeRows(db_.get(), lookup.get(), object);
    if (found.Eof()) {
        CatalogueFault(object, "it is not in the table StoredQueries");
    }
    const std::string sql = found.Text("Sql");
    Statement statement = Prepare(db_.get(), sql, object);
    return StoredQuery(db_, name, statement.release());
}

Recordset CatalogueDatabase::OpenTable(const std::string& name) const {
    const std::string object = "table " + Quoted(name);
    std::string quoted;
    for (const char ch : name) {
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    }
    Statement statement =
        Prepare(db_.get(), "SELECT * FROM \"" + quoted + "\" ORDER BY rowid", object);
    return TakeRows(db_.get(), statement.get(), object);
}
