// TVxRegIniFile: names an ini file or a registry key where other styled
// components may keep settings, and owns the object that opens it.
#pragma once

#include <memory>

#include "platform/rtl/component.h"
#include "platform/rtl/inifiles.h"
#include "platform/rtl/registry.h"
#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TVxPathType, ptIniFile, ptRegistry)
SERVIORA_ENUM(TVxRegKey, hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData,
              hkeyCurrentConfig, hkeyDynData)
SERVIORA_ENUM(TVxRegAccessItem, keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify,
              keyCreateLink, keyRead, keyWrite, keyExecute, keyAllAccess)
using TVxRegAccess = TSet<TVxRegAccessItem>;

class TVxRegIniFile : public TComponent {
    SERVIORA_CLASS(TVxRegIniFile, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TVxRegIniFile(TComponent* owner) : TComponent(owner) {}
    ~TVxRegIniFile() override;

    const AnsiString& Path() const { return path_; }
    virtual void SetPath(const AnsiString& v);
    TVxPathType PathType() const { return pathType_; }
    virtual void SetPathType(TVxPathType v);
    TVxRegKey RegKey() const { return regKey_; }
    virtual void SetRegKey(TVxRegKey v);
    TVxRegAccess RegAccess() const { return regAccess_; }
    virtual void SetRegAccess(TVxRegAccess v);

    // The ini file or registry named by the settings, opened again after
    // any of them changed.
    TCustomIniFile* IniFile();
    TRegistry* Registry();

private:
    template <class T>
    void Change(T& field, const T& value);
    void Refresh();

    AnsiString path_;
    TVxPathType pathType_ = ptIniFile;
    TVxRegKey regKey_ = hkeyCurrentUser;
    TVxRegAccess regAccess_{keyAllAccess};
    bool refreshNeeded_ = true;
    std::unique_ptr<TIniFile> iniFile_;
    std::unique_ptr<TRegistry> registry_;
};
