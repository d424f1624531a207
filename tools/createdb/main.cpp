// serviora-createdb <path>: creates the application's empty database at
// <path> when no file of that name exists. Exit status 0 when the database
// is there afterwards, 1 on failure, 2 on wrong usage.
#include <cstdio>
#include <exception>

#include "tools/createdb/create_database.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: serviora-createdb <database file>\n");
        return 2;
    }
    try {
        if (serviora::CreateApplicationDatabase(argv[1]) == serviora::CreateResult::Created)
            std::printf("created %s\n", argv[1]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "serviora-createdb: %s\n", e.what());
        return 1;
    }
}
