// Text files read line by line, with the failure of an open kept as an I/O
// result instead of raised, so that callers can report it in their own words.
#pragma once

#include <cstdio>
#include <vector>

#include "platform/rtl/types.h"

// A text file variable: named by AssignFile, opened for reading by Reset.
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

private:
    friend void AssignFile(TextFile&, const AnsiString&);
    friend void Reset(TextFile&);
    friend void ReadLn(TextFile&, AnsiString&);
    friend bool Eof(TextFile&);
    friend void CloseFile(TextFile&);
    bool Fill();

    AnsiString name_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
};

void AssignFile(TextFile& file, const AnsiString& name);
// Opens the named file for reading from its start (again when open). A file
// that cannot be opened sets the I/O result and leaves the variable closed.
void Reset(TextFile& file);
// The next line without its end: CR LF, CR or LF. At the end, empty.
void ReadLn(TextFile& file, AnsiString& line);
// True when no character is left (or the file is not open).
bool Eof(TextFile& file);
void CloseFile(TextFile& file);
// The result of the last failed operation (0: none), cleared by the call.
Integer IOResult();
