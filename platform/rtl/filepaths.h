// File names as text: the platform's routines that take a name apart or
// change it, without touching the disk.
//
// Callers write paths the platform's way, with "\" between folders; both "\"
// and "/" separate folders here, and NormalizePathDelimiters turns "\" into
// "/" before a name reaches the OS. Both step by character: the "\" that is
// the second byte of a Chinese character (乗 is 81 5C) is never a separator.
#pragma once

#include <string>

#include "platform/rtl/types.h"

// The delimiter this platform writes.
constexpr char PathDelim = '/';

// Whether the byte at 1-based `index` is a folder separator ("\" or "/")
// standing as a character of its own.
bool IsPathDelimiter(const AnsiString& s, int index);

// `path` with every "\" that stands as a character of its own made "/".
AnsiString NormalizePathDelimiters(const AnsiString& path);

// The name as the OS takes it: separators normalised, UTF-8.
std::string OsFileName(const AnsiString& name);

// "a\b\c.txt" -> "a\b\"; "" when the name holds no separator.
AnsiString ExtractFilePath(const AnsiString& name);
// "a\b\c.txt" -> "a\b"; the root's separator stays ("/a" -> "/").
AnsiString ExtractFileDir(const AnsiString& name);
// "a\b\c.txt" -> "c.txt".
AnsiString ExtractFileName(const AnsiString& name);
// "a\b\c.txt" -> ".txt"; "" when the last part has no dot.
AnsiString ExtractFileExt(const AnsiString& name);
// Replaces (or adds) the extension; `extension` includes its dot.
AnsiString ChangeFileExt(const AnsiString& name, const AnsiString& extension);

// Adds PathDelim unless the name already ends with a separator ("" -> "/").
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
// Drops one trailing separator.
AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path);
