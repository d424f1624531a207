// DoDragDrop between two windows of the program under synthetic mouse
// input, the target table, and a drop from another program as MIME data.
#include "platform/ui/oledragdrop.h"

#include "control_fixture.h"
#include "files_data_object.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/controls.h"

namespace {

// Offers one text as CF_TEXT.
class TTextData : public TInterfacedObject, public IDataObject {
public:
    explicit TTextData(AnsiString text) : text_(std::move(text)) {}
    HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = NewTextBlock(text_);
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC* format) override {
        return format->cfFormat == CF_TEXT ? S_OK : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>& formats) override {
        formats = nullptr;
        return E_NOTIMPL;
    }
    HRESULT DAdvise(const FORMATETC*, DWORD, std::shared_ptr<IInterface>, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IInterface>&) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    AnsiString text_;
};

// The usual source: Escape cancels, the left button's release drops.
class TSource : public TInterfacedObject, public IDropSource {
public:
    HRESULT QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT GiveFeedback(DWORD effect) override {
        feedback.push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
    std::vector<DWORD> feedback;
};

// Logs its calls; copies with Ctrl, else moves; reads the text dropped.
class TTarget : public TInterfacedObject, public IDropTarget {
public:
    HRESULT DragEnter(IDataObject*, DWORD keys, POINTL, DWORD* effect) override {
        log.push_back("enter");
        *effect = keys & MK_CONTROL ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
        return S_OK;
    }
    HRESULT DragOver(DWORD keys, POINTL, DWORD* effect) override {
        if (log.back() != "over") log.push_back("over");
        *effect = keys & MK_CONTROL ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
        return S_OK;
    }
    HRESULT DragLeave() override {
        log.push_back("leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        log.push_back("drop");
        at = {point.x, point.y};
        FORMATETC format{CF_TEXT};
        STGMEDIUM medium;
        if (data->GetData(&format, &medium) == S_OK) {
            dropped = static_cast<const char*>(GlobalLock(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
            ReleaseStgMedium(&medium);
        }
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    std::vector<std::string> log;
    AnsiString dropped;
    POINT at{};
};

class OleDragDropTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(400, 200);
        source = Place<TPanel>(form, 0, 0, 150, 150);
        targetPanel = Place<TPanel>(form, 200, 0, 150, 150);
        inner = Place<TPanel>(targetPanel, 10, 10, 50, 50);
        form->Show();
        ProcessMessages();
        ASSERT_EQ(RegisterDragDrop(targetPanel->Handle(), target), S_OK);
        source->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) {
            result = DoDragDrop(std::make_shared<TTextData>("dragged"), dropSource,
                                DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        });
    }
    void TearDown() override {
        RevokeDragDrop(targetPanel->Handle());
        ControlTest::TearDown();
    }
    void Drag(POINT over, bool escape = false) {
        SimulateMouseButton(source->Handle(), {20, 20}, VK_LBUTTON, true);
        SimulateMouseMove(source->Handle(), {40, 20});
        SimulateMouseMove(inner->Handle(), over);
        SimulateMouseMove(inner->Handle(), {over.x + 1, over.y});
        if (escape) SimulateKey(VK_ESCAPE, true);
        SimulateMouseButton(inner->Handle(), {over.x + 1, over.y}, VK_LBUTTON, false);
        ProcessMessages();
    }
    TForm* form = nullptr;
    TPanel *source = nullptr, *targetPanel = nullptr, *inner = nullptr;
    std::shared_ptr<TTarget> target = std::make_shared<TTarget>();
    std::shared_ptr<TSource> dropSource = std::make_shared<TSource>();
    HRESULT result = 0;
    DWORD effect = 99;
};

TEST_F(OleDragDropTest, DropsOnTheRegisteredAncestorOfTheWindowUnderTheCursor) {
    Drag({5, 5});
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target->log, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(target->dropped, "dragged");
    POINT expected{6, 5};
    ClientToScreen(inner->Handle(), &expected);
    EXPECT_EQ(target->at.x, expected.x);
    EXPECT_EQ(dropSource->feedback.front(), DROPEFFECT_NONE) << "over the source: no target";
    EXPECT_EQ(dropSource->feedback.back(), DROPEFFECT_MOVE);
}

TEST_F(OleDragDropTest, EscapeCancelsAndTheTargetIsLeft) {
    Drag({5, 5}, true);
    SimulateKey(VK_ESCAPE, false);
    ProcessMessages();
    EXPECT_EQ(result, DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target->log, (std::vector<std::string>{"enter", "over", "leave"}));
}

TEST_F(OleDragDropTest, RegistrationRules) {
    EXPECT_EQ(RegisterDragDrop(targetPanel->Handle(), target), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisterDragDrop(0, target), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(RevokeDragDrop(inner->Handle()), DRAGDROP_E_NOTREGISTERED);
}

// Reads every format of a drop from another program.
class TFormatsTarget : public TTarget {
public:
    HRESULT Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        std::shared_ptr<IEnumFORMATETC> formats;
        EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, formats), S_OK);
        FORMATETC format;
        while (formats->Next(1, &format, nullptr) == S_OK) {
            STGMEDIUM medium;
            if (data->GetData(&format, &medium) != S_OK) return E_UNEXPECTED;
            const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
            blocks.emplace_back(format.cfFormat, std::string(bytes, GlobalSize(medium.hGlobal)));
            GlobalUnlock(medium.hGlobal);
            ReleaseStgMedium(&medium);
        }
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    std::vector<std::pair<CLIPFORMAT, std::string>> blocks;
};

TEST_F(OleDragDropTest, OtherProgramsDropMimeData) {
    auto formats = std::make_shared<TFormatsTarget>();
    RevokeDragDrop(targetPanel->Handle());
    RegisterDragDrop(targetPanel->Handle(), formats);
    POINT at{5, 5};
    ClientToScreen(inner->Handle(), &at);
    const DWORD given = DropFromOtherProgram(
        at, {{"text/plain", "ab"}, {"text/uri-list", "file:///tmp/a%20b.csv\r\nhttp://x/y\r\nfile:///tmp/c.xls\r\n"}},
        MK_CONTROL);
    EXPECT_EQ(given, DROPEFFECT_COPY);
    ASSERT_EQ(formats->blocks.size(), 3u);
    EXPECT_EQ(formats->blocks[0], (std::pair<CLIPFORMAT, std::string>{CF_TEXT, std::string("ab\0", 3)}));
    EXPECT_EQ(formats->blocks[1].first, CF_UNICODETEXT);
    const std::string& drop = formats->blocks[2].second;
    ASSERT_EQ(formats->blocks[2].first, CF_HDROP);
    DROPFILES head;
    std::memcpy(&head, drop.data(), sizeof head);
    EXPECT_TRUE(head.fWide);
    const auto* names = reinterpret_cast<const char16_t*>(drop.data() + head.pFiles);
    EXPECT_EQ(std::u16string(names), u"/tmp/a b.csv");
    EXPECT_EQ(std::u16string(names + 13), u"/tmp/c.xls");
    EXPECT_EQ(names[24], u'\0');
    POINT outside{5, 5};
    ClientToScreen(source->Handle(), &outside);
    EXPECT_EQ(DropFromOtherProgram(outside, {{"text/plain", "ab"}}), DROPEFFECT_NONE);
}

std::string WideNamesBlock(const std::u16string& namesWithZeros) {
    DROPFILES head;
    head.pFiles = sizeof head;
    head.fWide = 1;
    return std::string(reinterpret_cast<const char*>(&head), sizeof head) +
           std::string(reinterpret_cast<const char*>(namesWithZeros.data()), namesWithZeros.size() * 2);
}

TEST_F(OleDragDropTest, FilesDraggedOutOfTheProgramGoAsAUriList) {
    const std::string block = WideNamesBlock(std::u16string(u"/tmp/a b.csv\0/tmp/维修.xls\0\0", 26));
    TMimeData carried;
    SetHostDragForTesting([&](const TMimeData& data, DWORD, DWORD* taken) {
        carried = data;
        *taken = DROPEFFECT_COPY;
        return true;
    });
    source->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) {
        // Once the drag holds the mouse, the pointer leaves every window.
        SetCapture(source->Handle());
        SimulateMouseMove(source->Handle(), {-500, -500});
        result = DoDragDrop(std::make_shared<TFilesDataObject>(block), dropSource, DROPEFFECT_COPY, &effect);
    });
    SimulateMouseButton(source->Handle(), {20, 20}, VK_LBUTTON, true);
    ProcessMessages();
    SetHostDragForTesting(nullptr);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(carried, (TMimeData{{"text/uri-list", "file:///tmp/a%20b.csv\r\nfile:///tmp/%E7%BB%B4%E4%BF%AE.xls\r\n"}}));
}

}  // namespace
