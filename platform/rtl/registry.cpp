// TRegistry and TRegIniFile: the open key is a path below the root, looked up
// in the store at every call, so every instance sees the others' changes.
#include "platform/rtl/registry.h"

#include <atomic>
#include <cstring>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"

namespace {

HKEY NextKeyHandle() {
    static std::atomic<HKEY> next{1};
    return next++;
}

[[noreturn]] void RaiseRegistryError(const char* what, const AnsiString& name) {
    throw ERegistryException(AnsiString(what) + " '" + name + "'");
}

void FillStrings(TStrings* strings, const std::vector<AnsiString>& names) {
    strings->BeginUpdate();
    strings->Clear();
    for (const AnsiString& name : names) strings->Add(name);
    strings->EndUpdate();
}

}  // namespace

// TRegistry

TRegistry::TRegistry() : TRegistry(KEY_ALL_ACCESS) {}

TRegistry::TRegistry(Cardinal access) : access_(access) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY value) {
    if (value == rootKey_) return;
    rootKey_ = value;
    CloseKey();
}

AnsiString TRegistry::CurrentPath() const {
    AnsiString path;
    for (const AnsiString& name : currentNames_) path += (path.empty() ? "" : "\\") + name;
    return path;
}

RegistryKeyPath TRegistry::Resolve(const AnsiString& key) const {
    RegistryKeyPath path{rootKey_, {}};
    if (currentKey_ != 0 && (key.empty() || key[0] != '\\')) path.names = currentNames_;
    for (AnsiString& name : SplitRegistryKey(key)) path.names.push_back(std::move(name));
    return path;
}

void TRegistry::ChangeKey(RegistryKeyPath path, bool readOnly) {
    currentNames_ = std::move(path.names);
    currentKey_ = NextKeyHandle();
    readOnly_ = readOnly;
}

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate) {
    RegistryKeyPath path = Resolve(key);
    if (!(canCreate ? RegistryCreateKey(path) : RegistryKeyExists(path))) return false;
    ChangeKey(std::move(path), false);
    return true;
}

bool TRegistry::OpenKeyReadOnly(const AnsiString& key) {
    RegistryKeyPath path = Resolve(key);
    if (!RegistryKeyExists(path)) return false;
    ChangeKey(std::move(path), true);
    return true;
}

void TRegistry::CloseKey() {
    currentKey_ = 0;
    currentNames_.clear();
    readOnly_ = false;
}

bool TRegistry::CreateKey(const AnsiString& key) {
    if (!RegistryCreateKey(Resolve(key))) throw ERegistryException("Failed to create key " + key);
    return true;
}

bool TRegistry::DeleteKey(const AnsiString& key) { return RegistryDeleteKey(Resolve(key)); }

bool TRegistry::KeyExists(const AnsiString& key) const { return RegistryKeyExists(Resolve(key)); }

bool TRegistry::HasSubKeys() const { return currentKey_ != 0 && !RegistryKeyNames(OpenPath()).empty(); }

void TRegistry::GetKeyNames(TStrings* strings) const {
    FillStrings(strings, currentKey_ ? RegistryKeyNames(OpenPath()) : std::vector<AnsiString>{});
}

void TRegistry::GetValueNames(TStrings* strings) const {
    FillStrings(strings, currentKey_ ? RegistryValueNames(OpenPath()) : std::vector<AnsiString>{});
}

std::optional<RegistryValue> TRegistry::ReadValue(const AnsiString& name) const {
    if (currentKey_ == 0) return std::nullopt;
    return RegistryReadValue(OpenPath(), name);
}

bool TRegistry::ValueExists(const AnsiString& name) const { return ReadValue(name).has_value(); }

bool TRegistry::DeleteValue(const AnsiString& name) {
    return currentKey_ != 0 && !readOnly_ && RegistryDeleteValue(OpenPath(), name);
}

bool TRegistry::GetDataInfo(const AnsiString& name, TRegDataInfo& info) const {
    const std::optional<RegistryValue> value = ReadValue(name);
    if (!value) {
        info = TRegDataInfo{};
        return false;
    }
    const bool isString = value->type == rdString || value->type == rdExpandString;
    info.RegData = value->type;
    info.DataSize = Integer(value->data.size()) + (isString ? 1 : 0);
    return true;
}

TRegDataType TRegistry::GetDataType(const AnsiString& name) const {
    TRegDataInfo info;
    GetDataInfo(name, info);
    return info.RegData;
}

Integer TRegistry::GetDataSize(const AnsiString& name) const {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? info.DataSize : -1;
}

RegistryValue TRegistry::ReadTyped(const AnsiString& name, TRegDataType type) const {
    std::optional<RegistryValue> value = ReadValue(name);
    if (!value) RaiseRegistryError("Failed to get data for", name);
    if (value->type != type) RaiseRegistryError("Invalid data type for", name);
    return std::move(*value);
}

void TRegistry::WriteValue(const AnsiString& name, TRegDataType type, std::string data) {
    const bool writable = currentKey_ != 0 && !readOnly_ && (access_ & KEY_SET_VALUE) != 0;
    if (!writable || !RegistryWriteValue(OpenPath(), name, RegistryValue{type, std::move(data)}))
        RaiseRegistryError("Failed to set data for", name);
}

AnsiString TRegistry::ReadString(const AnsiString& name) const {
    const std::optional<RegistryValue> value = ReadValue(name);
    if (!value || value->data.empty()) return AnsiString();
    if (value->type != rdString && value->type != rdExpandString) RaiseRegistryError("Invalid data type for", name);
    // The platform's strings end at their first zero byte.
    return value->data.substr(0, value->data.find('\0'));
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) { WriteValue(name, rdString, value); }

void TRegistry::WriteExpandString(const AnsiString& name, const AnsiString& value) {
    WriteValue(name, rdExpandString, value);
}

Integer TRegistry::ReadInteger(const AnsiString& name) const {
    const RegistryValue value = ReadTyped(name, rdInteger);
    if (value.data.size() != sizeof(Integer)) RaiseRegistryError("Invalid data type for", name);
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(value.data[std::size_t(i)]);
    return Integer(n);
}

void TRegistry::WriteInteger(const AnsiString& name, Integer value) {
    std::string data;
    for (int i = 0; i < 4; ++i) data += char(std::uint32_t(value) >> (8 * i) & 0xFF);
    WriteValue(name, rdInteger, std::move(data));
}

bool TRegistry::ReadBool(const AnsiString& name) const { return ReadInteger(name) != 0; }

void TRegistry::WriteBool(const AnsiString& name, bool value) { WriteInteger(name, value ? 1 : 0); }

double TRegistry::ReadFloat(const AnsiString& name) const {
    const RegistryValue value = ReadTyped(name, rdBinary);
    double result = 0;
    if (value.data.size() != sizeof result) RaiseRegistryError("Invalid data type for", name);
    std::memcpy(&result, value.data.data(), sizeof result);
    return result;
}

void TRegistry::WriteFloat(const AnsiString& name, double value) { WriteBinaryData(name, &value, sizeof value); }

TDateTime TRegistry::ReadDateTime(const AnsiString& name) const { return ReadFloat(name); }

void TRegistry::WriteDateTime(const AnsiString& name, TDateTime value) { WriteFloat(name, value); }

Integer TRegistry::ReadBinaryData(const AnsiString& name, void* buffer, Integer bufferSize) const {
    const std::optional<RegistryValue> value = ReadValue(name);
    if (!value) return 0;
    const Integer size = Integer(value->data.size());
    if ((value->type != rdBinary && value->type != rdUnknown) || size > bufferSize)
        RaiseRegistryError("Invalid data type for", name);
    std::memcpy(buffer, value->data.data(), value->data.size());
    return size;
}

void TRegistry::WriteBinaryData(const AnsiString& name, const void* buffer, Integer bufferSize) {
    WriteValue(name, rdBinary, std::string(static_cast<const char*>(buffer), std::size_t(bufferSize)));
}

// TRegIniFile

TRegIniFile::TRegIniFile(const AnsiString& fileName, Cardinal access) : TRegistry(access), fileName_(fileName) {
    OpenKey(fileName, true);
}

bool TRegIniFile::InSection(const AnsiString& section, bool create, const std::function<void()>& action) {
    RegistryKeyPath path = Resolve(section);
    if (!(create ? RegistryCreateKey(path) : RegistryKeyExists(path))) return false;
    // The open key comes back however `action` ends.
    struct Restore {
        TRegIniFile& self;
        HKEY key;
        std::vector<AnsiString> names;
        bool readOnly;
        ~Restore() {
            self.currentKey_ = key;
            self.currentNames_ = std::move(names);
            self.readOnly_ = readOnly;
        }
    } restore{*this, currentKey_, currentNames_, readOnly_};
    ChangeKey(std::move(path), false);
    action();
    return true;
}

AnsiString TRegIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) {
    AnsiString result = fallback;
    InSection(section, false, [&] {
        if (ValueExists(ident)) result = TRegistry::ReadString(ident);
    });
    return result;
}

void TRegIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
    if (!InSection(section, true, [&] { TRegistry::WriteString(ident, value); }))
        RaiseRegistryError("Failed to set data for", ident);
}

Integer TRegIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, Integer fallback) {
    Integer result = fallback;
    InSection(section, false, [&] {
        if (!ValueExists(ident)) return;
        result = GetDataType(ident) == rdString ? StrToInt(TRegistry::ReadString(ident)) : TRegistry::ReadInteger(ident);
    });
    return result;
}

void TRegIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, Integer value) {
    WriteString(section, ident, IntToStr(value));
}

bool TRegIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback) {
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

void TRegIniFile::ReadSection(const AnsiString& section, TStrings* strings) {
    strings->Clear();
    InSection(section, false, [&] { GetValueNames(strings); });
}

void TRegIniFile::ReadSections(TStrings* strings) { GetKeyNames(strings); }

void TRegIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings) {
    strings->Clear();
    InSection(section, false, [&] {
        for (const AnsiString& name : RegistryValueNames(OpenPath()))
            strings->Add(name + "=" + TRegistry::ReadString(name));
    });
}

void TRegIniFile::EraseSection(const AnsiString& section) { TRegistry::DeleteKey(section); }

void TRegIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
    InSection(section, false, [&] { DeleteValue(ident); });
}
