// Zero-terminated strings and remembered memory blocks.
#include "platform/rtl/pchar.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"

namespace {

struct Blocks {
    std::mutex mutex;
    std::map<const char*, std::size_t> sizes;
};

Blocks& AllocatedBlocks() {
    static Blocks blocks;
    return blocks;
}

// The bytes of s up to maxLen, never ending inside a character.
AnsiString WholeCharPrefix(const char* s, std::size_t maxLen) {
    const std::string_view text(s);
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t size = AnsiCharSize(text, end);
        if (end + size > maxLen) break;
        end += size;
    }
    return AnsiString(text.substr(0, end));
}

char* CopyBack(char* dest, const AnsiString& text) {
    std::memcpy(dest, text.c_str(), text.size() + 1);
    return dest;
}

// Byte offsets of each character of s, in order.
template <class Visit>
void ForEachChar(const char* s, Visit visit) {
    const std::string_view text(s);
    for (std::size_t i = 0; i < text.size(); i += AnsiCharSize(text, i))
        if (!visit(i, AnsiCharSize(text, i))) return;
}

}  // namespace

void* AllocMem(std::size_t size) {
    char* block = static_cast<char*>(std::calloc(size ? size : 1, 1));
    if (!block) OutOfMemoryError();
    Blocks& blocks = AllocatedBlocks();
    std::lock_guard lock(blocks.mutex);
    blocks.sizes[block] = size;
    return block;
}

void FreeMem(void* block) {
    if (!block) return;
    Blocks& blocks = AllocatedBlocks();
    {
        std::lock_guard lock(blocks.mutex);
        blocks.sizes.erase(static_cast<const char*>(block));
    }
    std::free(block);
}

std::size_t AllocMemAvailable(const void* p) {
    const char* at = static_cast<const char*>(p);
    Blocks& blocks = AllocatedBlocks();
    std::lock_guard lock(blocks.mutex);
    auto it = blocks.sizes.upper_bound(at);
    if (it == blocks.sizes.begin()) return 0;
    --it;
    const std::size_t offset = std::size_t(at - it->first);
    return offset < it->second ? it->second - offset : 0;
}

bool CompareMem(const void* p1, const void* p2, std::size_t length) { return std::memcmp(p1, p2, length) == 0; }

std::size_t StrLen(const char* s) { return std::strlen(s); }
char* StrEnd(char* s) { return s + std::strlen(s); }
char* StrMove(char* dest, const char* source, std::size_t count) {
    std::memmove(dest, source, count);
    return dest;
}
char* StrCopy(char* dest, const char* source) { return std::strcpy(dest, source); }
char* StrECopy(char* dest, const char* source) { return StrEnd(std::strcpy(dest, source)); }
char* StrLCopy(char* dest, const char* source, std::size_t maxLen) {
    const std::size_t n = std::min(std::strlen(source), maxLen);
    std::memcpy(dest, source, n);
    dest[n] = '\0';
    return dest;
}
char* StrPCopy(char* dest, const AnsiString& source) { return StrCopy(dest, source.c_str()); }
char* StrPLCopy(char* dest, const AnsiString& source, std::size_t maxLen) {
    return StrLCopy(dest, source.c_str(), maxLen);
}
char* StrCat(char* dest, const char* source) { return std::strcat(dest, source); }
char* StrLCat(char* dest, const char* source, std::size_t maxLen) {
    const std::size_t length = std::strlen(dest);
    if (length < maxLen) StrLCopy(dest + length, source, maxLen - length);
    return dest;
}
int StrComp(const char* s1, const char* s2) { return std::strcmp(s1, s2); }
int StrIComp(const char* s1, const char* s2) { return CompareText(s1, s2); }
int StrLComp(const char* s1, const char* s2, std::size_t maxLen) { return std::strncmp(s1, s2, maxLen); }
int StrLIComp(const char* s1, const char* s2, std::size_t maxLen) {
    return CompareText(AnsiString(s1, std::min(std::strlen(s1), maxLen)), AnsiString(s2, std::min(std::strlen(s2), maxLen)));
}
const char* StrScan(const char* s, char c) { return std::strchr(s, c); }
const char* StrRScan(const char* s, char c) { return std::strrchr(s, c); }
const char* StrPos(const char* s, const char* sub) { return std::strstr(s, sub); }
char* StrUpper(char* s) { return CopyBack(s, UpperCase(s)); }
char* StrLower(char* s) { return CopyBack(s, LowerCase(s)); }
AnsiString StrPas(const char* s) { return s ? AnsiString(s) : AnsiString(); }

// The buffer's size is kept in front of its characters.
char* StrAlloc(std::size_t size) {
    auto* block = static_cast<char*>(std::calloc(sizeof(std::size_t) + (size ? size : 1), 1));
    if (!block) OutOfMemoryError();
    std::memcpy(block, &size, sizeof(size));
    return block + sizeof(std::size_t);
}
std::size_t StrBufSize(const char* s) {
    std::size_t size = 0;
    std::memcpy(&size, s - sizeof(std::size_t), sizeof(size));
    return size;
}
char* StrNew(const char* s) {
    if (!s || !*s) return nullptr;
    return StrCopy(StrAlloc(std::strlen(s) + 1), s);
}
void StrDispose(char* s) {
    if (s) std::free(s - sizeof(std::size_t));
}

int AnsiStrComp(const char* s1, const char* s2) { return AnsiCompareStr(s1, s2); }
int AnsiStrIComp(const char* s1, const char* s2) { return AnsiCompareText(s1, s2); }
int AnsiStrLComp(const char* s1, const char* s2, std::size_t maxLen) {
    return AnsiCompareStr(WholeCharPrefix(s1, maxLen), WholeCharPrefix(s2, maxLen));
}
int AnsiStrLIComp(const char* s1, const char* s2, std::size_t maxLen) {
    return AnsiCompareText(WholeCharPrefix(s1, maxLen), WholeCharPrefix(s2, maxLen));
}
char* AnsiStrLower(char* s) { return CopyBack(s, AnsiLowerCase(s)); }
char* AnsiStrUpper(char* s) { return CopyBack(s, AnsiUpperCase(s)); }
const char* AnsiLastChar(const AnsiString& s) { return AnsiStrLastChar(s.c_str()); }
const char* AnsiStrLastChar(const char* s) {
    const char* last = nullptr;
    ForEachChar(s, [&](std::size_t at, std::size_t) {
        last = s + at;
        return true;
    });
    return last;
}
const char* AnsiStrPos(const char* s, const char* sub) {
    const int at = AnsiPos(sub, s);
    return at ? s + at - 1 : nullptr;
}
const char* AnsiStrScan(const char* s, char c) {
    const char* found = nullptr;
    ForEachChar(s, [&](std::size_t at, std::size_t size) {
        if (size == 1 && s[at] == c) found = s + at;
        return !found;
    });
    return found;
}
const char* AnsiStrRScan(const char* s, char c) {
    const char* found = nullptr;
    ForEachChar(s, [&](std::size_t at, std::size_t size) {
        if (size == 1 && s[at] == c) found = s + at;
        return true;
    });
    return found;
}
