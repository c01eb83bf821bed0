#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Read-only access to the catalogue database TWLDBUS.db. Every fault (missing
// file, table, stored query, parameter or field, a value that cannot be read
// as asked, no current record) throws AppError(ErrorNumber::DatabaseError)
// whose text names the object and the fault.

// Throws the catalogue's fault: "Catalogue database, <object>: <fault>".
[[noreturn]] void CatalogueFault(const std::string& object, const std::string& fault);

// The rows of one table or stored-query run, taken whole when it is opened,
// with a current row that only moves forward.
class Recordset {
public:
    using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

    Recordset(std::string object, std::vector<std::string> fields,
              std::vector<std::vector<Value>> rows);

    // The exact number of rows, for tables and stored queries alike.
    long RecordCount() const { return static_cast<long>(rows_.size()); }
    // Both are true at once only when there are no rows.
    bool Bof() const { return rows_.empty(); }
    bool Eof() const { return current_ >= rows_.size(); }
    void MoveFirst();
    void MoveNext();

    // The current row's value of a field, found by name without regard to case
    // as the database engine names its columns. A NULL is a fault, except for
    // TextOrEmpty, which reads it as empty text.
    std::int32_t Int32(std::string_view field) const;
    double Double(std::string_view field) const;
    std::string Text(std::string_view field) const;
    std::string TextOrEmpty(std::string_view field) const;

    // Refuses the current row's value of a field that a loader cannot use,
    // with the same kind of fault as the reads above.
    [[noreturn]] void Reject(std::string_view field, const std::string& fault) const;

private:
    const Value& CurrentValue(std::string_view field) const;
    [[noreturn]] void Fail(const std::string& fault) const;

    std::string object_;
    std::vector<std::string> fields_;
    std::vector<std::vector<Value>> rows_;
    std::size_t current_ = 0;
};

// A query kept in the database's StoredQueries table, prepared from its SQL;
// its named parameters (":CulvertType") keep their values from run to run.
class StoredQuery {
public:
    void SetParameter(std::string_view name, std::int32_t value);
    // Bound as a real, so that it compares with REAL columns without rounding.
    void SetParameter(std::string_view name, double value);
    void SetParameter(std::string_view name, const std::string& value);
    // Runs the query with the parameters as they are now.
    Recordset Open();

private:
    friend class CatalogueDatabase;
    StoredQuery(std::shared_ptr<sqlite3> db, std::string name, sqlite3_stmt* statement);
    int ParameterIndex(std::string_view name) const;

    std::shared_ptr<sqlite3> db_;
    std::string name_;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement_;
    std::vector<bool> bound_;
};

class CatalogueDatabase {
public:
    // ProgramDirectory() + "/TWLDBUS.db", unless a test has pointed it elsewhere.
    static std::string Path();
    // Points every later open at another file; empty text restores the default.
    static void OverridePath(std::string path);

    // Opens Path() read-only.
    CatalogueDatabase();
    explicit CatalogueDatabase(const std::string& path);

    StoredQuery Query(const std::string& name) const;
    // The whole table in the order its rows were stored.
    Recordset OpenTable(const std::string& name) const;

private:
    std::shared_ptr<sqlite3> db_;
};

// The three ways the loaders read the catalogue. Lists and arrays keep entry 0
// empty and hold rows 1 to n in the order the record set yields them.

// A list that grows row by row; a record set without rows leaves entry 0 only.
// fill(recordset, entry) fills one new entry from the current row.
template <class T, class Fill>
void ReadGrowingList(Recordset& rs, std::vector<T>& list, Fill fill) {
    list.assign(1, T{});
    if (rs.Bof() && rs.Eof()) {
        return;
    }
    rs.MoveFirst();
    while (!rs.Eof()) {
        list.emplace_back();
        fill(rs, list.back());
        rs.MoveNext();
    }
}

// The first row only, if there is one; fill(recordset) reads it.
template <class Fill> void ReadFirstRow(Recordset& rs, Fill fill) {
    if (rs.Bof() && rs.Eof()) {
        return;
    }
    rs.MoveFirst();
    fill(rs);
}

// A whole table, sized from its record count first. A table without rows is a
// fault (there is no first row to move to), which leaves the array with entry 0.
template <class T, class Fill>
void ReadWholeTable(Recordset& rs, std::vector<T>& array, Fill fill) {
    array.assign(static_cast<std::size_t>(rs.RecordCount()) + 1, T{});
    rs.MoveFirst();
    std::size_t i = 0;
    while (!rs.Eof()) {
        ++i;
        fill(rs, array[i]);
        rs.MoveNext();
    }
}
