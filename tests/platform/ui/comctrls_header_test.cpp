// THeaderControl: sections mirrored into its "SysHeader32" window, clicks
// reported per section, and divider drags tracked within each section's
// width limits.
#include "tests/platform/ui/control_fixture.h"
#include "platform/ui/comctrls_header.h"
#include "platform/win/commctrl.h"

class HeaderControlTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        header = THeaderControl::Create(form);
        for (const char* text : {"单号", "机型", "状态"}) header->Sections()->Add()->SetText(text);
        header->Sections()->Items(0)->SetWidth(80);
        THeaderSection* model = header->Sections()->Items(1);
        model->SetWidth(60);
        model->SetMinWidth(40);
        model->SetMaxWidth(100);
        model->SetAlignment(taCenter);
        header->SetParent(form);
        header->SetOnSectionClick([this](THeaderControl*, THeaderSection* s) { log.push_back("click " + IntToStr(s->Index())); });
        header->SetOnSectionResize([this](THeaderControl*, THeaderSection* s) { log.push_back("resize " + IntToStr(s->Width())); });
        header->SetOnSectionTrack([this](THeaderControl*, THeaderSection*, int width, TSectionTrackState state) {
            static const char* const states[] = {"begin ", "move ", "end "};
            log.push_back(states[state] + IntToStr(width));
        });
        ProcessMessages();
    }
    void Drag(int fromX, int toX) {
        // A press away from the divider first, so that this one is no double click.
        SimulateClick(header->Handle(), {245, 8});
        SimulateMouseButton(header->Handle(), {fromX, 8}, VK_LBUTTON, true);
        SimulateMouseMove(header->Handle(), {toX, 8});
        SimulateMouseButton(header->Handle(), {toX, 8}, VK_LBUTTON, false);
        ProcessMessages();
    }
    THeaderControl* header = nullptr;
    std::vector<AnsiString> log;
};

TEST_F(HeaderControlTest, SectionsReachTheWindowAndClicksComeBack) {
    EXPECT_EQ(header->Align(), alTop);
    EXPECT_EQ(SendMessage(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
    char text[16] = {};
    HDITEMA item;
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessage(header->Handle(), HDM_GETITEM, 1, LPARAM(&item));
    EXPECT_EQ(AnsiString(text), AnsiString("机型"));
    EXPECT_EQ(item.cxy, 60);
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_CENTER);
    EXPECT_EQ(header->Sections()->Items(2)->Left(), 140);

    SimulateClick(header->Handle(), {100, 8});
    header->Sections()->Items(2)->SetAllowClick(false);
    SimulateClick(header->Handle(), {160, 8});
    ProcessMessages();
    EXPECT_EQ(log, std::vector<AnsiString>{"click 1"});

    header->Sections()->Delete(0);
    EXPECT_EQ(header->Sections()->Items(0)->Index(), 0);
    EXPECT_EQ(SendMessage(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(HeaderControlTest, DividerDragsStayWithinTheSectionsLimits) {
    struct Case {
        int toX;
        std::vector<AnsiString> log;
        int width;
    };
    const Case cases[] = {
        {220, {"begin 60", "move 100", "resize 100", "end 100"}, 100},
        {100, {"begin 60", "move 40", "resize 40", "end 40"}, 40},
        {150, {"begin 60", "move 70", "resize 70", "end 70"}, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toX);
        header->Sections()->Items(1)->SetWidth(60);
        log.clear();
        Drag(140, c.toX);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(header->Sections()->Items(1)->Width(), c.width);
        EXPECT_EQ(header->Sections()->Items(2)->Left(), 80 + c.width);
    }
    // Flat headers are no buttons: nothing to click.
    header->SetStyle(hsFlat);
    log.clear();
    SimulateClick(header->Handle(), {100, 8});
    ProcessMessages();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(SendMessage(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
}
