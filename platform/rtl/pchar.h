// The zero-terminated-string routines of SysUtils, with the platform's
// semantics: destinations are the caller's buffers, results point into
// them. Blocks from AllocMem are remembered with their size, so a caller
// can ask how many bytes lie behind a pointer before reading there.
#pragma once

#include <cstddef>

#include "platform/rtl/types.h"

// Zeroed memory, remembered with its size until FreeMem.
void* AllocMem(std::size_t size);
void FreeMem(void* block);
// The bytes from p to the end of the AllocMem block holding it; 0 when p
// lies in no such block.
std::size_t AllocMemAvailable(const void* p);
bool CompareMem(const void* p1, const void* p2, std::size_t length);

std::size_t StrLen(const char* s);
char* StrEnd(char* s);
char* StrMove(char* dest, const char* source, std::size_t count);
char* StrCopy(char* dest, const char* source);
// The end of the copy (its terminating zero).
char* StrECopy(char* dest, const char* source);
char* StrLCopy(char* dest, const char* source, std::size_t maxLen);
char* StrPCopy(char* dest, const AnsiString& source);
char* StrPLCopy(char* dest, const AnsiString& source, std::size_t maxLen);
char* StrCat(char* dest, const char* source);
// Appends until dest holds maxLen characters.
char* StrLCat(char* dest, const char* source, std::size_t maxLen);
int StrComp(const char* s1, const char* s2);
int StrIComp(const char* s1, const char* s2);
int StrLComp(const char* s1, const char* s2, std::size_t maxLen);
int StrLIComp(const char* s1, const char* s2, std::size_t maxLen);
// nullptr when absent; the terminating zero is found too.
const char* StrScan(const char* s, char c);
const char* StrRScan(const char* s, char c);
const char* StrPos(const char* s, const char* sub);
char* StrUpper(char* s);
char* StrLower(char* s);
AnsiString StrPas(const char* s);
// A buffer that knows its size (StrBufSize), freed by StrDispose.
char* StrAlloc(std::size_t size);
std::size_t StrBufSize(const char* s);
char* StrNew(const char* s);
void StrDispose(char* s);

// The locale's comparisons and case rules over zero-terminated strings,
// character by character (a Chinese character is never split).
int AnsiStrComp(const char* s1, const char* s2);
int AnsiStrIComp(const char* s1, const char* s2);
int AnsiStrLComp(const char* s1, const char* s2, std::size_t maxLen);
int AnsiStrLIComp(const char* s1, const char* s2, std::size_t maxLen);
char* AnsiStrLower(char* s);
char* AnsiStrUpper(char* s);
// The last character (its first byte); nullptr for an empty string.
const char* AnsiLastChar(const AnsiString& s);
const char* AnsiStrLastChar(const char* s);
// The multi-byte searches: whole characters only.
const char* AnsiStrPos(const char* s, const char* sub);
const char* AnsiStrScan(const char* s, char c);
const char* AnsiStrRScan(const char* s, char c);
