// TRegistry and TRegIniFile over the emulated registry of registrystore.h,
// with the platform's behaviour: key paths relative to the open key unless
// they start with "\", strings read from a missing value as "", other
// missing values raising ERegistryException "Failed to get data for 'X'",
// values of another type raising "Invalid data type for 'X'", and writes
// that fail raising "Failed to set data for 'X'".
#pragma once

#include <functional>
#include <optional>

#include "platform/rtl/object.h"
#include "platform/rtl/registrystore.h"
#include "platform/rtl/types.h"

class TStrings;

// Access rights with the platform's values. Writes need KEY_SET_VALUE.
constexpr Cardinal KEY_QUERY_VALUE = 0x0001;
constexpr Cardinal KEY_SET_VALUE = 0x0002;
constexpr Cardinal KEY_READ = 0x20019;
constexpr Cardinal KEY_WRITE = 0x20006;
constexpr Cardinal KEY_ALL_ACCESS = 0xF003F;

struct TRegDataInfo {
    TRegDataType RegData = rdUnknown;
    Integer DataSize = 0;
};

class TRegistry : public TObject {
public:
    TRegistry();
    explicit TRegistry(Cardinal access);
    ~TRegistry() override;

    // HKEY_CURRENT_USER unless set; changing it closes the open key.
    HKEY RootKey() const { return rootKey_; }
    void SetRootKey(HKEY value);
    Cardinal Access() const { return access_; }
    void SetAccess(Cardinal value) { access_ = value; }
    // A non-zero handle while a key is open.
    HKEY CurrentKey() const { return currentKey_; }
    // The open key's path below the root, names joined by "\".
    AnsiString CurrentPath() const;

    // Opens `key`, creating it first when `canCreate`; false when it does
    // not exist (or lies below an unknown root).
    bool OpenKey(const AnsiString& key, bool canCreate);
    // Opens an existing key for reading only: writes to it raise.
    bool OpenKeyReadOnly(const AnsiString& key);
    void CloseKey();
    // Creates a key without opening it; ERegistryException when it cannot.
    bool CreateKey(const AnsiString& key);
    // Deletes a key with everything below it.
    bool DeleteKey(const AnsiString& key);
    bool KeyExists(const AnsiString& key) const;
    bool HasSubKeys() const;
    // These clear `strings` and fill it with the open key's sub-key names
    // (in ASCII-case-insensitive order) or value names.
    void GetKeyNames(TStrings* strings) const;
    void GetValueNames(TStrings* strings) const;

    bool ValueExists(const AnsiString& name) const;
    bool DeleteValue(const AnsiString& name);
    // rdUnknown, and false / -1, for a missing value. A string's size counts
    // its terminating zero, as on the platform.
    bool GetDataInfo(const AnsiString& name, TRegDataInfo& info) const;
    TRegDataType GetDataType(const AnsiString& name) const;
    Integer GetDataSize(const AnsiString& name) const;

    AnsiString ReadString(const AnsiString& name) const;
    void WriteString(const AnsiString& name, const AnsiString& value);
    void WriteExpandString(const AnsiString& name, const AnsiString& value);
    Integer ReadInteger(const AnsiString& name) const;
    void WriteInteger(const AnsiString& name, Integer value);
    bool ReadBool(const AnsiString& name) const;
    void WriteBool(const AnsiString& name, bool value);
    // Floats and dates are stored as the eight bytes of a double (binary).
    double ReadFloat(const AnsiString& name) const;
    void WriteFloat(const AnsiString& name, double value);
    TDateTime ReadDateTime(const AnsiString& name) const;
    void WriteDateTime(const AnsiString& name, TDateTime value);
    // Copies a binary value into `buffer` and answers its size; 0 for a
    // missing value; "Invalid data type" when it is not binary or does not
    // fit `bufferSize`.
    Integer ReadBinaryData(const AnsiString& name, void* buffer, Integer bufferSize) const;
    void WriteBinaryData(const AnsiString& name, const void* buffer, Integer bufferSize);

protected:
    RegistryKeyPath OpenPath() const { return {rootKey_, currentNames_}; }
    // The key a path names: below the open key, or below the root when it
    // starts with "\" or no key is open.
    RegistryKeyPath Resolve(const AnsiString& key) const;
    // Makes `path` the open key.
    void ChangeKey(RegistryKeyPath path, bool readOnly);

private:
    // Switches the open key to a section and back.
    friend class TRegIniFile;

    std::optional<RegistryValue> ReadValue(const AnsiString& name) const;
    // The value, which must exist and be of `type`.
    RegistryValue ReadTyped(const AnsiString& name, TRegDataType type) const;
    void WriteValue(const AnsiString& name, TRegDataType type, std::string data);

    HKEY rootKey_ = HKEY_CURRENT_USER;
    Cardinal access_;
    HKEY currentKey_ = 0;
    std::vector<AnsiString> currentNames_;
    bool readOnly_ = false;
};

// Ini-style access over the key `FileName` below HKEY_CURRENT_USER: a
// section is a sub-key of it (the key itself for an empty section) and an
// ident a value. Integers and Booleans are stored as text (1 and 0); reading
// an integer accepts text or a number.
class TRegIniFile : public TRegistry {
public:
    explicit TRegIniFile(const AnsiString& fileName, Cardinal access = KEY_ALL_ACCESS);

    const AnsiString& FileName() const { return fileName_; }

    using TRegistry::DeleteKey;
    using TRegistry::ReadBool;
    using TRegistry::ReadInteger;
    using TRegistry::ReadString;
    using TRegistry::WriteBool;
    using TRegistry::WriteInteger;
    using TRegistry::WriteString;

    AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback);
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
    // EConvertError for text that is no number.
    Integer ReadInteger(const AnsiString& section, const AnsiString& ident, Integer fallback);
    void WriteInteger(const AnsiString& section, const AnsiString& ident, Integer value);
    bool ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback);
    void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);

    // These clear `strings` and fill it: a section's idents, the sections,
    // or a section's "ident=value" lines.
    void ReadSection(const AnsiString& section, TStrings* strings);
    void ReadSections(TStrings* strings);
    void ReadSectionValues(const AnsiString& section, TStrings* strings);
    void EraseSection(const AnsiString& section);
    void DeleteKey(const AnsiString& section, const AnsiString& ident);

private:
    // Runs `action` with `section` open (created first when `create`);
    // false without running it when the section does not exist.
    bool InSection(const AnsiString& section, bool create, const std::function<void()>& action);

    AnsiString fileName_;
};
