// TSkinData's reading of a skin description: the elements, the colour
// table and the elements derived from them (combo edge and arrow, toolbar
// gradient, frame colour).
#include <algorithm>

#include "platform/gdi/sysparams.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinColours.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinFormDraw.h"

namespace {

constexpr int kFrameColourIndex = 17;
constexpr int kFaceIndex = TSkinData::kButtonFaceIndex;
constexpr int kButtonTextIndex = 4;
// The size of one composed combo cell: edge and button side by side.
constexpr int kComboCellWidth = 50, kComboCellHeight = 21;
constexpr int kComboArrowSize = 17;

struct TColourKey {
    const char* key;
    int index;
    TColor defaultValue;  // clNone: the face colour just read
};

// In the order they are read; Menubar falls back on ButtonFace, read before it.
constexpr TColourKey kColourKeys[] = {
    {"WindowText", 0, clWindowText},      {"ButtonFace", 3, clBtnFace},
    {"Scrollbar", 18, clScrollBar},       {"HilightText", 11, clHighlightText},
    {"Hilight", 12, clHighlight},         {"Menubar", 13, clNone},
    {"Menu", 16, clMenu},                 {"MenuText", 15, clMenuText},
    {"ButtonText", 4, clBtnText},         {"ButtonHilight", 5, clBtnHighlight},
    {"Buttonlight", 6, clBtnHighlight},   {"ButtonShadow", 7, clBtnShadow},
    {"ButtonDkShadow", 8, cl3DDkShadow},  {"MenuBarText", 14, clMenuText},
    {"TitleTextActive", 1, clCaptionText}, {"TitleTextNoActive", 2, clInactiveCaptionText},
};

// Sections that begin with "BUTTON" but describe push buttons.
constexpr const char* kNotCaptionButtons[] = {"BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX"};

bool StartsWith(const AnsiString& text, const AnsiString& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

std::unique_ptr<TBitmap> CopyOf(TBitmap* source) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(source);
    return copy;
}

std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor colour) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(colour);
    bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
    return bitmap;
}

bool HasImage(const TDataSkinObject* element) { return element && !element->Bitmap->Empty(); }

}  // namespace

AnsiString TSkinData::ReadString(const AnsiString& section, const AnsiString& key) const {
    AnsiString value;
    ini_->ReadString(section, key, value, "");
    return value;
}

Integer TSkinData::ReadInteger(const AnsiString& section, const AnsiString& key, Integer defaultValue) const {
    return ini_->ReadInteger(section, key, defaultValue);
}

TColor TSkinData::ReadColourValue(const AnsiString& section, const AnsiString& key, TColor defaultValue) const {
    const AnsiString text = ReadString(section, key);
    return text.empty() ? defaultValue : static_cast<TColor>(ParseSkinColour(text));
}

TColor TSkinData::ReadRGBKeys(const AnsiString& section, const AnsiString& name, TColor defaultValue) const {
    const Integer r = ReadInteger(section, name + "R", -1), g = ReadInteger(section, name + "G", -1),
                  b = ReadInteger(section, name + "B", -1);
    if (r < 0 || g < 0 || b < 0) return defaultValue;
    return static_cast<TColor>(RGB(static_cast<Byte>(r), static_cast<Byte>(g), static_cast<Byte>(b)));
}

void TSkinData::LoadBitmap(TBitmap* bitmap, const AnsiString& value) {
    const AnsiString fileName = ExtractFileName(value);
    TMemoryStream member;
    if (!fileName.empty() && ExtractFileExt(fileName) == ".bmp") reader_->ReadMember(fileName, &member);
    if (member.Size() == 0) {
        bitmap->Assign(nullptr);
        return;
    }
    bitmap->LoadFromStream(&member);
}

void TSkinData::ReadMargins(TDataSkinObject& element, const AnsiString& section) const {
    element.LeftWidth = ReadInteger(section, "LeftWidth", 0);
    element.RightWidth = ReadInteger(section, "RightWidth", 0);
    element.TopHeight = ReadInteger(section, "TopHeight", 0);
    element.BottomHeight = ReadInteger(section, "BottomHeight", 0);
}

bool TSkinData::ReadSkinObject(TDataSkinObject& element, const AnsiString& section, bool readFrame) {
    const AnsiString image = ReadString(section, "Image");
    if (image.empty()) return false;
    element.Name = section;
    LoadBitmap(element.Bitmap.get(), image);
    element.Style = ReadInteger(section, "Style", 0);
    ReadMargins(element, section);
    if (readFrame) element.Frame = ReadInteger(section, "Frame", 0);
    element.Trans = ReadInteger(section, "Trans", 0);
    element.Tile = ReadInteger(section, "Tile", 0);
    if (element.Tile > 1) element.Tile = 0;
    element.NormalColour = ReadInteger(section, "NormalColour", -1);
    element.MouseOverColour = ReadInteger(section, "MouseOverColour", -1);
    element.PressedColour = ReadInteger(section, "PressedColour", -1);
    element.NormalColour2 = ReadColourValue(section, "NormalColour2", Colour(kButtonTextIndex));
    element.MouseOverColour2 = ReadColourValue(section, "MouseOverColour2", Colour(kButtonTextIndex));
    element.PressedColour2 = ReadColourValue(section, "PressedColour2", Colour(kButtonTextIndex));
    return true;
}

std::unique_ptr<TDataSkinObject> TSkinData::LoadSkinObject(const AnsiString& section) {
    auto element = std::make_unique<TDataSkinObject>();
    return ReadSkinObject(*element, section, true) ? std::move(element) : nullptr;
}

std::unique_ptr<TDataSkinBorder> TSkinData::LoadSkinBorderObject(const AnsiString& section,
                                                                 const AnsiString& secondKey) {
    auto element = std::make_unique<TDataSkinBorder>();
    if (!ReadSkinObject(*element, section, false)) return nullptr;
    const AnsiString second = ReadString(section, secondKey);
    if (!second.empty()) LoadBitmap(element->Bitmap2.get(), second);
    return element;
}

std::unique_ptr<TDataSkinBorder> TSkinData::LoadProgressObject(const AnsiString& section) {
    const AnsiString image = ReadString(section, "Bitmap");
    if (image.empty()) return nullptr;
    auto element = std::make_unique<TDataSkinBorder>();
    element->Name = section;
    LoadBitmap(element->Bitmap.get(), image);
    element->Style = ReadInteger(section, "Style", 0);
    ReadMargins(*element, section);
    element->Trans = ReadInteger(section, "Trans", 0);
    element->Tile = std::min(ReadInteger(section, "Tile", 0), 1);
    return element;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinData::LoadBoxLabelObject(const AnsiString& section) {
    auto element = std::make_unique<TDataSkinBoxLabel>();
    if (!ReadSkinObject(*element, section, false)) return nullptr;
    element->BackgroundAlignment = ReadInteger(section, "BackgroundAlignment", 0);
    element->BackgroundLeftShift = ReadInteger(section, "BackgroundLeftShift", 0);
    element->BackgroundRightShift = ReadInteger(section, "BackgroundRightShift", 0);
    return element;
}

std::unique_ptr<TDataSkinObject> TSkinData::LoadBuiltinObject(const AnsiString& name) {
    KeepSkinResources();
    auto element = std::make_unique<TDataSkinObject>();
    element->Name = name;
    element->Bitmap->LoadFromResourceName(HInstance, name);
    element->LeftWidth = element->TopHeight = element->RightWidth = element->BottomHeight = 3;
    element->Tile = 0;
    element->Frame = 1;
    return element;
}

void TSkinData::LoadFrameBorders() {
    static const char* const sides[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        const AnsiString side = sides[i];
        auto border = std::make_unique<TDataSkinBorder>();
        border->Name = "Personality";
        LoadBitmap(border->Bitmap.get(), ReadString("Personality", side));
        border->Frame = ReadInteger("Personality", side + "Frame", 1);
        border->Tile = std::min(ReadInteger("Personality", side + "Stretch", 1), 1);
        border->Trans = ReadInteger("Personality", side + "Trans", 1);
        const Integer start = ReadInteger("Personality", side + "TopHeight", 0);
        const Integer end = ReadInteger("Personality", side + "BotHeight", 0);
        if (i < 2) {
            border->TopHeight = start;
            border->BottomHeight = end;
        } else {
            border->LeftWidth = start;
            border->RightWidth = end;
        }
        frames_[i] = std::move(border);
    }
}

void TSkinData::LoadColours() {
    colours_.fill(0);
    colourGiven_.fill(false);
    for (const TColourKey& entry : kColourKeys) {
        const AnsiString text = ReadString("Colours", entry.key);
        colourGiven_[entry.index] = !text.empty();
        const TColor fallback = entry.defaultValue == clNone ? colours_[kFaceIndex] : entry.defaultValue;
        colours_[entry.index] = text.empty() ? fallback : static_cast<TColor>(ParseSkinColour(text));
    }
    colourList_.clear();
    for (int i = 0; i < sections_->Count(); ++i) {
        const AnsiString section = sections_->Strings(i);
        if (StartsWith(UpperCase(section), "COLOUR") && !SameText(section, "Colours"))
            colourList_.push_back(ReadColourValue(section, "color", clWindowText));
    }
    for (int i = 0; i < 10; ++i)
        customColours_[i] = ReadColourValue("Customcolors", "Color" + IntToStr(i), clWhite);
}

void TSkinData::LoadSystemButtons() {
    systemButtons_.clear();
    std::optional<TPoint> maximizePosition;
    for (int i = 0; i < sections_->Count(); ++i) {
        const AnsiString section = sections_->Strings(i);
        const AnsiString upper = UpperCase(section);
        if (!StartsWith(upper, "BUTTON") ||
            std::any_of(std::begin(kNotCaptionButtons), std::end(kNotCaptionButtons),
                        [&](const char* name) { return upper == name; }))
            continue;
        const Integer action = ReadInteger(section, "Action", 0);
        if (action == -1 && ReadInteger(section, "Visibility", -1) != 0) continue;

        auto button = std::make_unique<TDataSkinSysButton>();
        button->Name = upper;
        button->Action = action;
        button->Align = ReadInteger(section, "Align", 0);
        button->Xcoord = ReadInteger(section, "Xcoord", 0);
        button->Ycoord = ReadInteger(section, "Ycoord", 0);
        button->Visibility = ReadInteger(section, "Visibility", 0);
        button->Visibility1 = ReadInteger(section, "Visibility1", action == -1 ? -1 : 0);
        button->CombineOp = ReadInteger(section, "CombineOp", -1);
        button->Frame = ReadInteger(section, "frame", 0);
        LoadBitmap(button->Bitmap.get(), ReadString(section, "ButtonImage"));

        if (button->Action == 1 && button->Visibility == 2) maximizePosition = TPoint{button->Xcoord, button->Ycoord};
        if (button->Action == 4 && maximizePosition) {
            button->Xcoord = maximizePosition->x;
            button->Ycoord = maximizePosition->y;
        }
        if (button->Frame == 0) {
            // Guessed from the strip's shape: three wide cells or six square ones.
            button->Frame = 6;
            const TBitmap* image = button->Bitmap.get();
            if (!image->Empty() && image->Height() > 0)
                button->Frame = static_cast<double>(image->Width()) / image->Height() <= 3.8 ? 3 : 6;
            if (button->Action < 0) button->Frame = 6;
            if (button->Action == 3 || button->Action == 11) button->Bitmap->Assign(nullptr);
        }
        systemButtons_.push_back(std::move(button));
    }
    for (Integer action : {7, 8, 9}) {
        auto button = std::make_unique<TDataSkinSysButton>();
        button->Name = "MDI" + IntToStr(action);
        button->Action = action;
        button->Align = button->Visibility = button->Visibility1 = 100;
        button->Frame = 4;
        systemButtons_.push_back(std::move(button));
    }
}

void TSkinData::LoadMDIButtons() {
    TBitmap image;
    LoadBitmap(&image, ReadString("MDICONTROLS", "Image"));
    if (image.Empty()) return;
    const int a = image.Width() / 12;
    const std::size_t first = systemButtons_.size() - 3;
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton* button = systemButtons_[first + i].get();
        button->Bitmap->SetPixelFormat(pf24bit);
        button->Bitmap->SetSize(4 * a, image.Height());
        BitBlt(button->Bitmap->Canvas()->Handle(), 0, 0, 4 * a, image.Height(), image.Canvas()->Handle(), 4 * a * i, 0,
               SRCCOPY);
        button->Xcoord = (a + 4) * (3 - i);
    }
}

void TSkinData::LoadButtons() {
    const AnsiString section = "Buttons";
    auto buttons = std::make_unique<TDataSkinButton>();
    buttons->Name = section;
    ReadMargins(*buttons, section);
    buttons->Trans = ReadInteger(section, "Trans", 0);
    LoadBitmap(buttons->Bitmap.get(), ReadString(section, "Bitmap"));
    buttons->Tile = ReadInteger(section, "Tile", 0);
    if (buttons->Tile > 1) buttons->Tile = 0;
    LoadBitmap(buttons->CheckBitmap.get(), ReadString(section, "CheckButton"));
    LoadBitmap(buttons->RadioBitmap.get(), ReadString(section, "RadioButton"));
    buttons->NormalColour = ReadInteger(section, "NormalColour", -1);
    buttons->MouseOverColour = ReadInteger(section, "MouseOverColour", -1);
    buttons->PressedColour = ReadInteger(section, "PressedColour", -1);
    buttons->RadioButtonFrame = ReadInteger(section, "RadioButtonFrame", 0);
    buttons->CheckButtonFrame = ReadInteger(section, "CheckButtonFrame", 0);
    buttons->NormalColour2Given = !ReadString(section, "NormalColour2").empty();
    buttons->MouseOverColour2Given = !ReadString(section, "MouseOverColour2").empty();
    buttons->PressedColour2Given = !ReadString(section, "PressedColour2").empty();
    buttons->NormalColour2 = ReadColourValue(section, "NormalColour2", Colour(kButtonTextIndex));
    buttons->MouseOverColour2 = ReadColourValue(section, "MouseOverColour2", Colour(kButtonTextIndex));
    buttons->PressedColour2 = ReadColourValue(section, "PressedColour2", Colour(kButtonTextIndex));
    buttons_ = std::move(buttons);
}

void TSkinData::LoadTitle() {
    const AnsiString section = "Personality";
    auto title = std::make_unique<TDataSkinTitle>();
    title->Name = section;
    LoadBitmap(title->Bitmap.get(), ReadString(section, "TextBack"));
    title->LeftWidth = ReadInteger(section, "TextShift", 0);
    title->TopHeight = ReadInteger(section, "TextShiftVert", 0);
    title->RightWidth = ReadInteger(section, "TextRightClip", 0);
    title->TextAlignment = ReadInteger(section, "TextAlignment", 0);
    title->Textbackground = ReadInteger(section, "Textbackground", 0);
    title->TXTBackleft = ReadInteger(section, "TXTBackleft", 0);
    title->TXTBackRight = ReadInteger(section, "TXTBackRight", 0);
    title->FontHeight = ReadInteger("Fonts", "FontHeight", 14);
    title->ActiveText = ReadRGBKeys(section, "ActiveText", clNone);
    title->InActiveText = ReadRGBKeys(section, "InActiveText", clNone);
    title_ = std::move(title);
}

void TSkinData::LoadMenuBarObject() {
    menuBar_.reset();
    const AnsiString image = ReadString("Personality", "menuBar");
    if (image.empty()) return;
    menuBar_ = std::make_unique<TDataSkinObject>();
    menuBar_->Name = "Personality";
    LoadBitmap(menuBar_->Bitmap.get(), image);
    menuBar_->Tile = std::min(ReadInteger("Personality", "TileMenu", 1), 1);
    // Tiling switches of the bar's two ends, kept in the margin slots.
    menuBar_->LeftWidth = ReadInteger("Personality", "TileLeftMenu", 1);
    menuBar_->RightWidth = ReadInteger("Personality", "TileRightMenu", 1);
}

void TSkinData::SetFrameCounts() {
    buttons_->Frame = 5;
    auto cellCount = [](const TBitmap* image) {
        return std::max(image->Width() / (image->Height() < 16 ? 13 : 16), 4);
    };
    if (buttons_->RadioButtonFrame == 0) buttons_->RadioButtonFrame = cellCount(buttons_->RadioBitmap.get());
    if (buttons_->CheckButtonFrame == 0) buttons_->CheckButtonFrame = cellCount(buttons_->CheckBitmap.get());
    title_->Frame = 2;
    auto set = [](TDataSkinObject* element, Integer frames) {
        if (element) element->Frame = frames;
    };
    if (progress_) progress_->Frame = progress_->Style != 0 ? 1 : 2;
    set(menuBar_.get(), 2);
    set(groupBoxEdge_.get(), 2);
    set(groupBox_.get(), 1);
    set(tabs_.get(), 5);
    set(statusBarEdges_.get(), 3);
    set(tabPane_.get(), 1);
    set(toolBars_.get(), 5);
    set(comboButton_.get(), 4);
    set(sunkEdge_.get(), 4);
    set(extraImages_.get(), 5);
    if (headerbar_ && headerbar_->Frame == 0) headerbar_->Frame = 5;
    set(menuItem_.get(), 5);
    set(menuBackground_.get(), 1);
    set(scrollbar_.get(), 23);
    set(horzScroll_.get(), 4);
    set(vertScroll_.get(), 4);
    for (auto& thumb : trackbarThumbs_) set(thumb.get(), 5);
    set(upDownHorz_.get(), 8);
    set(upDownVert_.get(), 8);
    set(horzScrollThumb_.get(), ReadInteger("HorzScrollThumb", "FrameCount", 3));
    set(vertScrollThumb_.get(), ReadInteger("VertScrollThumb", "FrameCount", 3));
}

void TSkinData::MakeComboEdge() {
    if (!sunkEdge_ || !comboButton_) return;
    const int states = std::max(sunkEdge_->Frame, 1);
    auto composed = FilledBitmap(kComboCellWidth * states, kComboCellHeight, static_cast<TColor>(kSkinKeyColour));
    const int buttonWidth = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const TRect cellRect{0, 0, kComboCellWidth, kComboCellHeight};
    const TRect buttonRect{kComboCellWidth - buttonWidth, 0, kComboCellWidth, kComboCellHeight};
    for (int state = 1; state <= states; ++state) {
        auto cell = FilledBitmap(kComboCellWidth, kComboCellHeight, static_cast<TColor>(kSkinKeyColour));
        HDC dc = cell->Canvas()->Handle();
        DrawSkinCell(dc, cellRect, sunkEdge_->Bitmap.get(), sunkEdge_->Margins(), state, sunkEdge_->Frame,
                     sunkEdge_->Trans == 1, false, false);
        DrawSkinCell(dc, buttonRect, comboButton_->Bitmap.get(), comboButton_->Margins(), state, comboButton_->Frame,
                     true, false, false);
        if (HasImage(extraImages_.get()))
            DrawSkinGlyph(dc, buttonRect, extraImages_->Bitmap.get(), state, extraImages_->Frame, true);
        cell->Canvas()->FillRect(TRect{2, 2, kComboCellWidth - 1 - buttonWidth, 18});
        composed->Canvas()->Draw((state - 1) * kComboCellWidth, 0, cell.get());
    }
    comboButton_->Style = 2;
    comboButton_->TopHeight = sunkEdge_->TopHeight;
    comboButton_->BottomHeight = sunkEdge_->BottomHeight;
    comboButton_->LeftWidth = 2;
    comboButton_->RightWidth = buttonWidth + 2;
    comboButton_->Bitmap->Assign(composed.get());
    MirrorBitmap(composed.get());
    sunkEdge_->Bitmap->Assign(composed.get());
    sunkEdge_->LeftWidth = buttonWidth + 2;
    sunkEdge_->RightWidth = 2;
}

void TSkinData::MakeComboArrow() {
    if (!comboArrow_) comboArrow_ = std::make_unique<TDataSkinObject>();
    comboArrow_->Name = "ComboxArrow";
    if (!sunkEdge_ && comboButton_) {
        comboArrow_->Bitmap = CopyOf(comboButton_->Bitmap.get());
        ReplaceKeyColour(comboArrow_->Bitmap.get(), ColorToRGB(Colour(kFaceIndex)));
        comboArrow_->Frame = comboButton_->Frame;
    } else if (sunkEdge_ && comboButton_ && comboButton_->Style == 2) {
        const int states = std::max(sunkEdge_->Frame, 1);
        const int cellWidth = comboButton_->Bitmap->Width() / states;
        comboArrow_->Bitmap = FilledBitmap(kComboArrowSize * states, kComboArrowSize, clBlack);
        for (int i = 0; i < states; ++i) {
            BitBlt(comboArrow_->Bitmap->Canvas()->Handle(), i * kComboArrowSize, 0, kComboArrowSize, kComboArrowSize,
                   comboButton_->Bitmap->Canvas()->Handle(), cellWidth * (i + 1) - 19, 2, SRCCOPY);
        }
        comboArrow_->Frame = states;
    }
}

TColor TSkinData::SampleFrameColour() const {
    const TDataSkinBorder* top = FrameTop();
    if (!HasImage(top)) return Colour(kFaceIndex);
    const int cellHeight = top->Bitmap->Height() / std::max(top->Frame, 1);
    return top->Bitmap->Canvas()->Pixels(top->Bitmap->Width() / 3, cellHeight / 3);
}

void TSkinData::MakeToolbarGradient() {
    const TColor sample = SampleFrameColour();
    const Integer saturation = ColourSaturation(ColorToRGB(sample));
    COLORREF bottom = BlendColours(0x808080, sample, 150);
    if (saturation > 110) bottom = BlendColours(sample, clWhite, ((225 - saturation) * 25) / 140 + 50);
    const COLORREF top = BlendColours(Colour(kFaceIndex), clWhite, 150);
    toolbar_ = std::make_unique<TDataSkinObject>();
    toolbar_->Name = "Toolbar";
    toolbar_->Bitmap = FilledBitmap(10, 40, clWhite);
    GradientFill(toolbar_->Bitmap->Canvas()->Handle(), TRect{0, 0, 10, 40}, static_cast<TColor>(top),
                 static_cast<TColor>(bottom), true);
    toolbar_->Frame = 1;
}

void TSkinData::RegisterCellImages() {
    std::vector<TBitmap*> images;
    auto add = [&images](const std::unique_ptr<TBitmap>& bitmap) {
        if (bitmap) images.push_back(bitmap.get());
    };
    auto element = [&](TDataSkinObject* object) {
        if (!object) return;
        add(object->Bitmap);
        if (auto* border = dynamic_cast<TDataSkinBorder*>(object)) add(border->Bitmap2);
        if (auto* button = dynamic_cast<TDataSkinButton*>(object)) {
            add(button->CheckBitmap);
            add(button->RadioBitmap);
        }
    };
    for (const auto& frame : frames_) element(frame.get());
    for (const auto& button : systemButtons_) element(button.get());
    for (const auto& thumb : trackbarThumbs_) element(thumb.get());
    for (TDataSkinObject* object : std::initializer_list<TDataSkinObject*>{
             title_.get(), buttons_.get(), progress_.get(), progressChunk_.get(),
          menuBar_.get(), groupBoxEdge_.get(), groupBox_.get(), tabs_.get(), statusBarEdges_.get(), tabPane_.get(),
          toolBars_.get(), comboButton_.get(), sunkEdge_.get(), extraImages_.get(), headerbar_.get(), menuItem_.get(),
          menuBackground_.get(), scrollbar_.get(), horzScroll_.get(), vertScroll_.get(), horzScrollThumb_.get(),
          vertScrollThumb_.get(), upDownHorz_.get(), upDownVert_.get(), track_.get(), trackVert_.get(),
          comboArrow_.get(), toolbar_.get()})
        element(object);
    SetSkinCellImages(images);
}

void TSkinData::LoadDescription(TSkinReader* reader, TQuickIni* ini) {
    reader_ = reader;
    ini_ = ini;
    sections_ = std::make_unique<TStringList>();
    ini_->ReadSections(sections_.get());
    skinName_ = ReadString("TitlebarSkin", "SkinName");
    LoadFrameBorders();
    LoadColours();
    LoadSystemButtons();
    LoadMDIButtons();
    LoadButtons();
    LoadTitle();
    progress_ = LoadProgressObject("Progress");
    progressChunk_ = LoadSkinObject("Progress.Chunk");
    LoadMenuBarObject();
    groupBoxEdge_ = LoadSkinObject("GroupBoxEdge");
    groupBox_ = LoadBoxLabelObject("GroupBox");
    tabs_ = LoadSkinBorderObject("Tabs", "Border");
    statusBarEdges_ = LoadSkinObject("StatusBarEdges");
    tabPane_ = LoadSkinObject("Tab.Pane");
    if (tabPane_) {
        for (Integer* margin : {&tabPane_->LeftWidth, &tabPane_->TopHeight, &tabPane_->RightWidth,
                                &tabPane_->BottomHeight})
            *margin = std::min(*margin, 4);
    }
    toolBars_ = LoadSkinObject("ToolBars");
    comboButton_ = LoadSkinBorderObject("ComboButton", "****");
    sunkEdge_ = LoadSkinObject("SunkEdge");
    if (HasImage(comboButton_.get())) {
        comboButton_->Bitmap2 = CopyOf(comboButton_->Bitmap.get());
        comboButton_->Bitmap2->SetPixelFormat(pf24bit);
        MirrorBitmap(comboButton_->Bitmap2.get());
    }
    extraImages_ = LoadSkinObject("ExtraImages");
    headerbar_ = LoadSkinObject("Headerbar");
    menuItem_ = LoadSkinObject("MenuItem");
    menuBackground_ = LoadSkinObject("MenuBackground");
    scrollbar_ = LoadSkinObject("Scrollbar");
    horzScroll_ = LoadSkinObject("HorzScroll");
    vertScroll_ = LoadSkinObject("VertScroll");
    horzScrollThumb_ = LoadSkinObject("HorzScrollThumb");
    vertScrollThumb_ = LoadSkinObject("VertScrollThumb");
    static const char* const thumbs[] = {"Trackbar.ThumbHorz",  "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                                         "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown"};
    for (int i = 0; i < 6; ++i) trackbarThumbs_[i] = LoadSkinObject(thumbs[i]);
    upDownHorz_ = LoadSkinBorderObject("UpDown.Horz", "GlyphImage");
    upDownVert_ = LoadSkinBorderObject("UpDown.Vert", "GlyphImage");
    track_ = LoadSkinObject("Track");
    if (!track_) track_ = LoadBuiltinObject("TRACK");
    trackVert_ = LoadSkinObject("TRACKVERT");
    if (!trackVert_) trackVert_ = LoadBuiltinObject("TRACKVERT");
    SetFrameCounts();
    MakeComboEdge();
    MakeComboArrow();
    MakeToolbarGradient();
    colours_[kFrameColourIndex] = SampleFrameColour();
    if (faceBrush_) DeleteObject(faceBrush_);
    faceBrush_ = CreateSolidBrush(ColorToRGB(Colour(kFaceIndex)));
    RegisterCellImages();
    sections_.reset();
    reader_ = nullptr;
    ini_ = nullptr;
    noSkin_ = false;
}
