// The emulated registry behind TRegistry: a tree of keys with typed values
// per root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
// HKEY_USERS), kept in one file per user.
//
// The file is $XDG_CONFIG_HOME/serviora/registry.dat (~/.config when the
// variable is unset), a text file of our own: a header line, then for every
// key a line "key<TAB>root<TAB>name<TAB>name..." followed by its values as
// "value<TAB>type<TAB>name<TAB>data". Names, strings and binary data are
// stored as their bytes (ANSI text stays GB18030) with "%", control bytes and
// DEL written as %XX; integers in decimal.
//
// Every call sees the file as it is now: the store is read again whenever
// the file has changed (another program instance wrote it), and every change
// is written at once through an atomic replace, under an advisory lock so
// that two instances changing values never lose each other's writes.
// Key and value names compare with ASCII case ignored; key names come back
// in that order, value names in the order they were first written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/types.h"

using HKEY = Cardinal;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

SERVIORA_EXCEPTION(ERegistryException, Exception);

// A key: its root and the names below it.
struct RegistryKeyPath {
    HKEY root = HKEY_CURRENT_USER;
    std::vector<AnsiString> names;
};

// A value's type and bytes (strings without their terminating zero,
// integers as four bytes, low byte first).
struct RegistryValue {
    TRegDataType type = rdUnknown;
    std::string data;
};

// The file in use; SetRegistryFileName points it elsewhere (tests use a
// temporary folder), and an empty name returns to the user's file.
AnsiString RegistryFileName();
void SetRegistryFileName(const AnsiString& fileName);

// Splits "Software\Maker\Product\" into its names, by character (a "\" that
// is the second byte of a Chinese character is part of the name); empty
// names are dropped.
std::vector<AnsiString> SplitRegistryKey(const AnsiString& key);

// The functions below raise ERegistryException when the file cannot be
// written. A path below an unknown root does not exist and cannot be made.
bool RegistryKeyExists(const RegistryKeyPath& key);
// Creates the key and any missing parents; false for an unknown root or a
// key nested more than 512 deep.
bool RegistryCreateKey(const RegistryKeyPath& key);
// Deletes the key with everything below it; false when it did not exist or
// is a root.
bool RegistryDeleteKey(const RegistryKeyPath& key);
std::vector<AnsiString> RegistryKeyNames(const RegistryKeyPath& key);
std::vector<AnsiString> RegistryValueNames(const RegistryKeyPath& key);
std::optional<RegistryValue> RegistryReadValue(const RegistryKeyPath& key, const AnsiString& name);
// Adds or replaces a value; false when the key does not exist.
bool RegistryWriteValue(const RegistryKeyPath& key, const AnsiString& name, const RegistryValue& value);
bool RegistryDeleteValue(const RegistryKeyPath& key, const AnsiString& name);
