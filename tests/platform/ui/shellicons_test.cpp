#include "platform/ui/shellicons.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "support/temp_dir.h"

namespace {

TEST(ShellIcons, SystemListsHandOutStableIndexes) {
    SHFILEINFO info;
    const HIMAGELIST small = HIMAGELIST(SHGetFileInfo("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    const HIMAGELIST large = HIMAGELIST(SHGetFileInfo("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
    ASSERT_NE(small, 0u);
    ASSERT_NE(large, small);
    EXPECT_EQ(SystemImageList(small)->Width(), 16);
    EXPECT_EQ(SystemImageList(large)->Width(), 32);
    EXPECT_EQ(SystemImageList(12345), nullptr);

    TempDir dir;
    std::ofstream(dir.file("note.txt")) << "x";
    SHFILEINFO text, folder, other, byName;
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    EXPECT_EQ(SHGetFileInfo(dir.file("note.txt").c_str(), 0, &text, sizeof text, flags), small);
    EXPECT_EQ(SHGetFileInfo(dir.path().c_str(), 0, &folder, sizeof folder, flags), small);
    EXPECT_NE(text.iIcon, folder.iIcon);
    EXPECT_EQ(SHGetFileInfo(dir.file("missing.txt").c_str(), 0, &other, sizeof other, flags), 0u)
        << "a missing file needs the file-attributes flag";
    EXPECT_EQ(SHGetFileInfo("missing.txt", FILE_ATTRIBUTE_NORMAL, &byName, sizeof byName,
                            flags | SHGFI_USEFILEATTRIBUTES),
              small);
    EXPECT_EQ(byName.iIcon, text.iIcon) << "the same type, the same index";
    SHGetFileInfo("any", FILE_ATTRIBUTE_DIRECTORY, &other, sizeof other, flags | SHGFI_USEFILEATTRIBUTES);
    EXPECT_EQ(other.iIcon, folder.iIcon);
    SHGetFileInfo("any.txt", 0, &other, sizeof other, SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES);
    EXPECT_EQ(other.iIcon, text.iIcon) << "one index in both lists";
    EXPECT_EQ(SystemImageList(small)->Count(), SystemImageList(large)->Count());

    TBitmap target;
    target.SetSize(20, 20);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    SystemImageList(small)->Draw(target.Canvas(), 0, 0, folder.iIcon);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clLime) << "the icon's corner is transparent";
    EXPECT_NE(target.Canvas()->Pixels(8, 8), clLime);
}

}  // namespace
