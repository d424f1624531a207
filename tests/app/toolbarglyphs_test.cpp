// The main window's toolbar glyphs are the ones our drawing code makes: the
// image list's bytes in its form description equal what the code produces
// now, and every image a tool button names is there and not empty.
#include <gtest/gtest.h>

#include "app/mainfrm.h"
#include "platform/rtl/formresources.h"
#include "platform/rtl/formtree.h"
#include "tests/app/app_fixture.h"
#include "tools/toolglyphs/toolbar_glyphs.h"

namespace {

TEST(ToolbarGlyphs, TheMainWindowStoresTheDrawnGlyphs) {
    std::string description;
    ASSERT_TRUE(FindFormResource("TMAIN", description));
    const TFormObject form = IsFormBinary(description) ? ParseFormBinary(description) : ParseFormText(description);
    const TFormValue* data = nullptr;
    for (const TFormObject& child : form.children)
        if (child.name == "ImageList2")
            for (const TFormProperty& property : child.properties)
                if (property.name == "Bitmap") data = &property.value;
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->bytes == serviora::ToolbarGlyphsData())
        << "regenerate the block with serviora-toolglyphs and paste it into app/mainfrm.dfm";
}

TEST_F(AppTest, EveryToolButtonShowsADrawnGlyph) {
    StartMainWindow();
    main_->Timer2->SetEnabled(false);
    TCustomImageList* images = main_->VxToolbar2->Images();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->Count(), serviora::kToolbarGlyphCount);
    for (TVxToolButton* button : {main_->VxToolButton9, main_->VxToolButton11, main_->VxToolButton10,
                                  main_->VxToolButton4, main_->VxToolButton12, main_->VxToolButton14,
                                  main_->VxToolButton5, main_->VxToolButton6}) {
        TBitmap picture;
        images->GetBitmap(button->ImageIndex(), &picture);
        int drawn = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (ColorToRGB(picture.Canvas()->Pixels(x, y)) != RGB(255, 0, 255)) ++drawn;
        EXPECT_GT(drawn, 100) << button->Name().c_str();
    }
}

}  // namespace
