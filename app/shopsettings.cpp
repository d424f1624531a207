// Reading and writing the settings window's keys.
#include "app/shopsettings.h"

#include "app/footertext.h"
#include "platform/ui/dialogs.h"

namespace {

const char* const kShopNameKey = "店铺名称";
const char* const kSoftwareNameKey = "软件名称";
const char* const kSoftwareVersionKey = "软件版本";
const char* const kBackgroundKey = "背景";
const char* const kSloganKey = "广告语";
const char* const kChosenBackgroundKey = "背景图片";

}  // namespace

TShopSettings ReadShopSettings(const TCustomIniFile& ini) {
    TShopSettings settings;
    settings.ShopName = ini.ReadString(kSettingsSection, kShopNameKey, "");
    settings.SoftwareName = ini.ReadString(kSettingsSection, kSoftwareNameKey, "");
    settings.SoftwareVersion = ini.ReadString(kSettingsSection, kSoftwareVersionKey, "");
    settings.Background = ini.ReadString(kSettingsSection, kBackgroundKey, "");
    settings.Slogan = ini.ReadString(kSettingsSection, kSloganKey, "");
    settings.Footer = ReadFooterText(ini);
    return settings;
}

void WriteShopSettings(TCustomIniFile& ini, const TShopSettings& settings) {
    ini.WriteString(kSettingsSection, kShopNameKey, settings.ShopName);
    ini.WriteString(kSettingsSection, kSoftwareNameKey, settings.SoftwareName);
    ini.WriteString(kSettingsSection, kSoftwareVersionKey, settings.SoftwareVersion);
    ini.WriteString(kSettingsSection, kBackgroundKey, settings.Background);
    ini.WriteString(kSettingsSection, kSloganKey, settings.Slogan);
    WriteFooterText(ini, settings.Footer);
}

void WriteChosenBackground(TCustomIniFile& ini, const AnsiString& fileName) {
    ini.WriteString(kSettingsSection, kChosenBackgroundKey, fileName);
}

void SaveShopSettingsCommand(const AnsiString& settingsFile, const TShopSettings& settings) {
    try {
        TIniFile ini(settingsFile);
        WriteShopSettings(ini, settings);
    } catch (const Exception&) {
        Application->MessageBox("配置失败！", "提示", MB_ICONERROR);
        return;
    }
    Application->MessageBox("配置成功,修改后的软件界面效果重新启动软件后体现！", "提示", MB_ICONINFORMATION);
}
