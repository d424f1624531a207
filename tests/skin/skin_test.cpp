// The skin component keeps its settings and its package bytes as stored.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/datamodule.h"
#include "platform/rtl/writer.h"
#include "skin/WinSkinData.h"

namespace {

TEST(SkinData, DefaultsAreThoseOfTheMainWindowsComponent) {
    TSkinData skin(nullptr);
    EXPECT_FALSE(skin.Active());
    EXPECT_EQ(skin.DisableTag(), 99);
    EXPECT_EQ(skin.SkinFormtype(), sfMainform);
    EXPECT_EQ(skin.Options(), (TSkinOptions{xoPreview, xoToolbarBK}));
    EXPECT_TRUE(skin.SkinControls().Contains(xcMainMenu));
    EXPECT_FALSE(skin.SkinControls().Contains(xcMenuItem));
    EXPECT_FALSE(skin.SkinControls().Contains(xcQmReport));
    EXPECT_TRUE(skin.MenuUpdate());
    EXPECT_EQ(skin.SkinStore(), "(none)");
    EXPECT_EQ(skin.SkinStream()->Size(), 0);
}

TEST(SkinData, DescriptionRoundTripsSettingsListsAndThePackageBytes) {
    const std::string description = R"(object Module: TDataModule
  object SkinData1: TSkinData
    Active = True
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcButton]
    Options = [xoPreview, xoToolbarBK]
    Skin3rd.Strings = (
      'TVxButton=button'
      'TVxGroup=panel')
    MenuUpdate = True
    MenuMerge = False
    SkinStream = {
      050000000001FF7E1A}
  end
end
)";
    std::unique_ptr<TDataModule> module(TDataModule::Create(nullptr, 0));
    ReadComponentFromString(description, module.get());
    auto* skin = dynamic_cast<TSkinData*>(module->FindComponent("SkinData1"));
    ASSERT_NE(skin, nullptr);
    EXPECT_FALSE(skin->Active());  // those bytes are no skin, so loading switched it off
    EXPECT_EQ(skin->SkinControls(), (TSkinControlTypes{xcMainMenu, xcPopupMenu, xcToolbar, xcButton}));
    ASSERT_EQ(skin->Skin3rd()->Count(), 2);
    EXPECT_EQ(skin->Skin3rd()->Strings(1), "TVxGroup=panel");
    ASSERT_EQ(skin->SkinStream()->Size(), 5);
    const auto* bytes = static_cast<const unsigned char*>(skin->SkinStream()->Memory());
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[4], 0x1A);

    const std::string written = ComponentToText(module.get());
    EXPECT_NE(written.find("SkinStream = {\n      050000000001FF7E1A}"), std::string::npos) << written;
    EXPECT_NE(written.find("'TVxGroup=panel'"), std::string::npos) << written;
}

}  // namespace
