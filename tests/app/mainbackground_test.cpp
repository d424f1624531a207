// The main window's background: the picture of the settings (or the
// default image/001.jpg) stretched under the toolbar and shown through the
// client window that holds the child windows, with the shop name and the
// product name over it; a picture that cannot be loaded leaves it empty.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app_fixture.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/testseams.h"
#include "platform/gdi/wingdi.h"
#include "support/jpeg_header.h"

namespace {

constexpr COLORREF kPictureColour = RGB(30, 140, 60);
constexpr COLORREF kOtherColour = RGB(200, 40, 40);

void WriteJpeg(const AnsiString& fileName, COLORREF colour) {
    TBitmap bitmap;
    bitmap.SetSize(64, 48);
    bitmap.Canvas()->Brush()->SetColor(TColor(colour));
    bitmap.Canvas()->FillRect(TRect(0, 0, 64, 48));
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    ForceDirectories(ExtractFilePath(fileName));
    jpeg.SaveToFile(fileName);
}

void WriteText(const AnsiString& fileName, const AnsiString& text) {
    ForceDirectories(ExtractFilePath(fileName));
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 12 && std::abs(GetGValue(a) - GetGValue(b)) <= 12 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 12;
}

class MainBackgroundTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // A shop name of its own: no start-up question.
        WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n提醒=0\r\n");
    }

    // The client window's pixels as shown, read at points given in the
    // main window's client coordinates.
    struct ClientPixels {
        explicit ClientPixels(TMAIN* frame) : frame_(frame), bitmap_(CaptureWindow(frame->ClientHandle())) {
            dc_ = CreateCompatibleDC(0);
            old_ = SelectObject(dc_, bitmap_);
        }
        ~ClientPixels() {
            SelectObject(dc_, old_);
            DeleteDC(dc_);
            DeleteObject(bitmap_);
        }
        COLORREF At(int x, int y) const {
            RECT window;
            GetWindowRect(frame_->ClientHandle(), &window);
            POINT p{x, y};
            ClientToScreen(frame_->Handle(), &p);
            return GetPixel(dc_, p.x - window.left, p.y - window.top);
        }
        // Whether any pixel of the control's rectangle has `colour`.
        bool Shows(const TControl* control, COLORREF colour) const {
            for (int y = control->Top(); y < control->Top() + control->Height(); ++y)
                for (int x = control->Left(); x < control->Left() + control->Width(); ++x)
                    if (At(x, y) == colour) return true;
            return false;
        }
        TMAIN* frame_;
        HBITMAP bitmap_;
        HDC dc_;
        HGDIOBJ old_;
    };

    // A point of the client window away from the labels.
    POINT Corner() const { return POINT{main_->Image1->Left() + 12, main_->Image1->Top() + 12}; }
};

TEST_F(MainBackgroundTest, TheDefaultPictureFillsTheWindowUnderTheToolbarWithTheNamesOverIt) {
    WriteJpeg(dir_.file("image/001.jpg"), kPictureColour);
    StartMainWindow();
    ProcessMessages();
    TImage* image = main_->Image1;
    ASSERT_TRUE(image->Visible());
    EXPECT_EQ(image->Picture()->Width(), 64);
    EXPECT_TRUE(image->Stretch());
    EXPECT_EQ(image->Top(), main_->VxToolbar2->Height());
    EXPECT_EQ(image->Top() + image->Height(), main_->VxStatusBar1->Top());
    EXPECT_EQ(image->Width(), main_->ClientWidth());

    const ClientPixels pixels(main_.get());
    EXPECT_TRUE(Near(pixels.At(Corner().x, Corner().y), kPictureColour));
    EXPECT_TRUE(pixels.Shows(main_->Label1, RGB(255, 255, 0))) << "the shop name shows over the picture";
    EXPECT_TRUE(pixels.Shows(main_->Label2, RGB(255, 255, 0))) << "the product name shows over the picture";
    EXPECT_TRUE(ModalQuestions().empty());

    // Smaller, the window centres the names anew and paints them there.
    main_->SetWindowState(wsNormal);
    main_->SetBounds(0, 0, 700, 520);
    ProcessMessages();
    EXPECT_TRUE(ClientPixels(main_.get()).Shows(main_->Label2, RGB(255, 255, 0)));
}

// Neither a missing file nor one that is no picture gives a message; the
// window shows its plain workspace colour and the names.
class UnloadableBackgroundTest : public MainBackgroundTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnloadableBackgroundTest, LeavesTheBackgroundEmptyWithoutAMessage) {
    if (GetParam()[0]) WriteText(dir_.file("image/001.jpg"), GetParam());
    StartMainWindow();
    ProcessMessages();
    EXPECT_FALSE(main_->Image1->Visible());
    EXPECT_TRUE(ModalQuestions().empty());
    const ClientPixels pixels(main_.get());
    EXPECT_EQ(pixels.At(Corner().x, Corner().y), ColorToRGB(clAppWorkSpace));
    EXPECT_TRUE(pixels.Shows(main_->Label1, RGB(255, 255, 0)));
}

INSTANTIATE_TEST_SUITE_P(Pictures, UnloadableBackgroundTest, ::testing::Values("", "这不是图片\r\n"));

// A small JPEG claiming 43690 x 32769 pixels once brought the program down
// before the login at every start.
TEST_F(MainBackgroundTest, APictureClaimingAHugeSizeLeavesTheBackgroundEmpty) {
    const AnsiString picture = dir_.file("image/001.jpg");
    WriteJpeg(picture, kPictureColour);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(picture, bytes));
    WriteText(picture, WithClaimedJpegSize(bytes, 43690, 32769));
    StartMainWindow();
    ProcessMessages();
    EXPECT_FALSE(main_->Image1->Visible());
    EXPECT_TRUE(ModalQuestions().empty());
    EXPECT_TRUE(main_->Visible());
}

TEST_F(MainBackgroundTest, LoadBackgroundShowsAnotherPictureAtOnceAndHidesAnUnreadableOne) {
    WriteJpeg(dir_.file("image/001.jpg"), kPictureColour);
    WriteJpeg(dir_.file("image/店面.jpg"), kOtherColour);
    WriteText(dir_.file("image/broken.jpg"), "not a picture");
    StartMainWindow();
    ProcessMessages();

    main_->LoadBackground(dir_.file("image/店面.jpg"));
    ProcessMessages();
    EXPECT_TRUE(main_->Image1->Visible());
    EXPECT_TRUE(Near(ClientPixels(main_.get()).At(Corner().x, Corner().y), kOtherColour));

    main_->LoadBackground(dir_.file("image/broken.jpg"));
    ProcessMessages();
    EXPECT_FALSE(main_->Image1->Visible());
    EXPECT_EQ(ClientPixels(main_.get()).At(Corner().x, Corner().y), ColorToRGB(clAppWorkSpace));
    EXPECT_TRUE(ModalQuestions().empty());
    EXPECT_EQ(main_->BackgroundFile, dir_.file("image/001.jpg")) << "the setting is not changed";
}

}  // namespace
