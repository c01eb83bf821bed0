#pragma once

#include "platform/CatalogueDatabase.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

// A catalogue database built for one test from SQL text. While it lives, every
// catalogue open (the loaders' included) reads it; afterwards the file is gone
// and the program directory's catalogue is the default again.
class CatalogueFixture {
public:
    explicit CatalogueFixture(const std::string& sql) {
        static int count = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("tarnwell-fixture-" + std::to_string(::getpid()) + "-" + std::to_string(++count) +
                  ".db"))
                    .string();
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        char* error = nullptr;
        const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (status != SQLITE_OK) {
            throw std::runtime_error("fixture SQL: " + message);
        }
        CatalogueDatabase::OverridePath(path_);
    }
    ~CatalogueFixture() {
        CatalogueDatabase::OverridePath({});
        std::filesystem::remove(path_);
    }
    CatalogueFixture(const CatalogueFixture&) = delete;
    CatalogueFixture& operator=(const CatalogueFixture&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
