// The registry/ini holder: its settings and the object it opens from them.
#include "styled/VxRegIniFile.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/registrystore.h"

SERVIORA_REGISTER_CLASS(TVxRegIniFile);

namespace {

// The platform's access rights of each element, in element order.
constexpr Cardinal kAccessRights[] = {0x0001, 0x0002, 0x0004, 0x0008, 0x0010,
                                      0x0020, KEY_READ, KEY_WRITE, 0x20019, KEY_ALL_ACCESS};

}  // namespace

TVxRegIniFile::~TVxRegIniFile() = default;

template <class T>
void TVxRegIniFile::Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    refreshNeeded_ = true;
}

void TVxRegIniFile::SetPath(const AnsiString& v) { Change(path_, v); }
void TVxRegIniFile::SetPathType(TVxPathType v) { Change(pathType_, v); }
void TVxRegIniFile::SetRegKey(TVxRegKey v) { Change(regKey_, v); }
void TVxRegIniFile::SetRegAccess(TVxRegAccess v) { Change(regAccess_, v); }

void TVxRegIniFile::Refresh() {
    if (!refreshNeeded_) return;
    refreshNeeded_ = false;
    iniFile_.reset();
    registry_.reset();
    if (pathType_ == ptIniFile) {
        iniFile_ = std::make_unique<TIniFile>(path_);
        return;
    }
    Cardinal access = 0;
    for (int item = keyQueryValue; item <= keyAllAccess; ++item)
        if (regAccess_.Contains(TVxRegAccessItem(item))) access |= kAccessRights[item];
    registry_ = std::make_unique<TRegistry>(access);
    registry_->SetRootKey(HKEY(0x80000000u + unsigned(regKey_)));
    registry_->OpenKey(path_, false);
}

TCustomIniFile* TVxRegIniFile::IniFile() {
    Refresh();
    return iniFile_.get();
}

TRegistry* TVxRegIniFile::Registry() {
    Refresh();
    return registry_.get();
}

void TVxRegIniFile::Published(TPublished<TVxRegIniFile>& p) {
    p.Property("Path", &TVxRegIniFile::Path, &TVxRegIniFile::SetPath);
    p.Property("PathType", &TVxRegIniFile::PathType, &TVxRegIniFile::SetPathType).Default(ptIniFile);
    p.Property("RegKey", &TVxRegIniFile::RegKey, &TVxRegIniFile::SetRegKey).Default(hkeyCurrentUser);
    p.Property("RegAccess", &TVxRegIniFile::RegAccess, &TVxRegIniFile::SetRegAccess)
        .Default(Int64(TVxRegAccess{keyAllAccess}.Bits()));
}
