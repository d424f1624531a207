// The About window's stored picture is the one our drawing code makes: the
// bytes in its form description equal what the code produces now, and they
// read back as a 121 by 185 bitmap.
#include <gtest/gtest.h>

#include "platform/rtl/formresources.h"
#include "platform/rtl/formtree.h"
#include "platform/rtl/streams.h"
#include "platform/ui/graphic.h"
#include "tools/aboutpicture/about_picture.h"

namespace {

const TFormObject* Child(const TFormObject& parent, const std::string& name) {
    for (const TFormObject& child : parent.children)
        if (child.name == name) return &child;
    return nullptr;
}

const TFormValue* Property(const TFormObject& object, const std::string& name) {
    for (const TFormProperty& property : object.properties)
        if (property.name == name) return &property.value;
    return nullptr;
}

TEST(AboutPicture, TheFormStoresTheDrawnPicture) {
    std::string description;
    ASSERT_TRUE(FindFormResource("Tguanyu", description));
    const TFormObject form = IsFormBinary(description) ? ParseFormBinary(description) : ParseFormText(description);
    const TFormObject* image = Child(form, "Image1");
    ASSERT_NE(image, nullptr);
    const TFormValue* data = Property(*image, "Picture.Data");
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->bytes == serviora::AboutPictureData())
        << "regenerate the block with serviora-aboutpicture and paste it into app/guanyufrm.dfm";
    EXPECT_EQ(Property(*image, "Width")->integer, serviora::kAboutPictureWidth);
    EXPECT_EQ(Property(*image, "Height")->integer, serviora::kAboutPictureHeight);
}

TEST(AboutPicture, ReadsBackAsABitmapOfTheImagesSize) {
    TStringStream stream(serviora::AboutPictureBmp());
    TBitmap bitmap;
    bitmap.LoadFromStream(&stream);
    EXPECT_EQ(bitmap.Width(), serviora::kAboutPictureWidth);
    EXPECT_EQ(bitmap.Height(), serviora::kAboutPictureHeight);
}

}  // namespace
