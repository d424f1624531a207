// File-name routines; every search for a separator goes through the
// character-aware LastDelimiter and IsDelimiter.
#include "platform/rtl/filepaths.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"

namespace {

const AnsiString kDelimiters = "\\/";
const AnsiString kExtensionDelimiters = ".\\/";

// The 0-based offset of the extension's dot, or npos.
std::size_t ExtensionStart(const AnsiString& name) {
    const int i = LastDelimiter(kExtensionDelimiters, name);
    return i > 0 && name[std::size_t(i) - 1] == '.' ? std::size_t(i) - 1 : AnsiString::npos;
}

}  // namespace

bool IsPathDelimiter(const AnsiString& s, int index) { return IsDelimiter(kDelimiters, s, index); }

AnsiString NormalizePathDelimiters(const AnsiString& path) {
    AnsiString result = path;
    for (std::size_t i = 0; i < result.size(); i += AnsiCharSize(result, i))
        if (result[i] == '\\') result[i] = PathDelim;
    return result;
}

std::string OsFileName(const AnsiString& name) { return AnsiToUtf8(NormalizePathDelimiters(name)); }

AnsiString ExtractFilePath(const AnsiString& name) {
    return name.substr(0, std::size_t(LastDelimiter(kDelimiters, name)));
}

AnsiString ExtractFileDir(const AnsiString& name) {
    int i = LastDelimiter(kDelimiters, name);
    if (i > 1 && !IsPathDelimiter(name, i - 1)) --i;
    return name.substr(0, std::size_t(i));
}

AnsiString ExtractFileName(const AnsiString& name) {
    return name.substr(std::size_t(LastDelimiter(kDelimiters, name)));
}

AnsiString ExtractFileExt(const AnsiString& name) {
    const std::size_t dot = ExtensionStart(name);
    return dot == AnsiString::npos ? AnsiString() : name.substr(dot);
}

AnsiString ChangeFileExt(const AnsiString& name, const AnsiString& extension) {
    return name.substr(0, ExtensionStart(name)) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
    return IsPathDelimiter(path, int(path.size())) ? path : path + PathDelim;
}

AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path) {
    return IsPathDelimiter(path, int(path.size())) ? path.substr(0, path.size() - 1) : path;
}
