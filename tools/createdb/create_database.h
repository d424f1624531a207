// Creation of the application's empty database: the five tables of
// app/schema.sql and the administrator's row.
#pragma once

#include <compare>
#include <string>
#include <vector>

namespace serviora {

// The schema text (UTF-8) compiled into this library.
const std::string& ApplicationSchemaSql();

// One object of a database's schema as the database lists it (UTF-8; the
// statement is empty for the indexes SQLite makes for keys itself).
struct SchemaObject {
    std::string type, name, table, sql;
    auto operator<=>(const SchemaObject&) const = default;
};

// The objects the schema text creates (its tables and their indexes),
// sorted: what a database of the application holds, and nothing else.
const std::vector<SchemaObject>& ApplicationSchemaObjects();

enum class CreateResult { Created, AlreadyExists };

// Creates the database file at `path` (UTF-8) unless a file of that name
// exists, which is left untouched. The file appears complete or not at all:
// it is built under a temporary name and renamed. Missing parent folders
// are made. Throws std::runtime_error with SQLite's or the system's message
// on failure.
CreateResult CreateApplicationDatabase(const std::string& path);

}  // namespace serviora
