// The image list a menu item draws from.
#include <gtest/gtest.h>

#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"

namespace {

TEST(MenuItemImages, ParentsSubMenuImagesComeBeforeTheMenusImages) {
    TComponent owner(nullptr);
    auto* menu = new TMainMenu(&owner);
    auto* menuImages = new TImageList(&owner);
    auto* subImages = new TImageList(&owner);
    auto* file = new TMenuItem(&owner);
    auto* open = new TMenuItem(&owner);
    menu->Items()->Add(file);
    file->Add(open);
    EXPECT_EQ(open->GetImageList(), nullptr);
    menu->SetImages(menuImages);
    EXPECT_EQ(file->GetImageList(), menuImages);
    EXPECT_EQ(open->GetImageList(), menuImages);
    file->SetSubMenuImages(subImages);
    EXPECT_EQ(open->GetImageList(), subImages);
    EXPECT_EQ(file->GetImageList(), menuImages);
    delete subImages;
    EXPECT_EQ(file->SubMenuImages(), nullptr);
    EXPECT_EQ(open->GetImageList(), menuImages);
}

}  // namespace
