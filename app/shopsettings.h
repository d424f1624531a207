// The shop's own texts in the settings file "myini.ini", section "程序参数",
// as the settings window edits them, and the background picture chosen with
// its picture chooser.
#pragma once

#include "platform/rtl/inifiles.h"

// The values of the settings window, each empty when its key is missing.
struct TShopSettings {
    AnsiString ShopName;         // "店铺名称"
    AnsiString SoftwareName;     // "软件名称"
    AnsiString SoftwareVersion;  // "软件版本"
    AnsiString Background;       // "背景"
    AnsiString Slogan;           // "广告语"
    AnsiString Footer;           // "票尾", with its line breaks
};

TShopSettings ReadShopSettings(const TCustomIniFile& ini);
// Writes every value, the footer escaped so its line breaks survive.
// Raises EIniFileException when the file cannot be written.
void WriteShopSettings(TCustomIniFile& ini, const TShopSettings& settings);
// The picture chooser's record of the path last applied ("背景图片"); read
// by nobody, kept for the files it has always been in.
void WriteChosenBackground(TCustomIniFile& ini, const AnsiString& fileName);

// 保存 of the settings window: writes the values into `settingsFile` and
// says "配置成功,…" (information), or "配置失败！" (error) when writing
// raised an exception.
void SaveShopSettingsCommand(const AnsiString& settingsFile, const TShopSettings& settings);
