// Skin package decoding beside zlib: the skin's art and description
// repeated into a 5 MB block, packed once by our LZHUF encoder and once by
// zlib at level 6, then each decoded back and timed in the same run. The
// goal: LZHUF decoding within 3 times zlib's inflate on this payload.
// Then a 1280 x 800 form of 300 controls repainted whole, skinned with the
// project's skin and unskinned, side by side: the skinned repaint within
// 2 times the unskinned one.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/guiplatform.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/msgqueue.h"
#include "platform/win/winpaint.h"
#include "side_by_side.h"
#include "skin/LZH.h"
#include "skin/SkinManage.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tools/skinpack/SkinArt.h"

namespace {

constexpr std::size_t kPayloadBytes = 5 * 1024 * 1024;
constexpr int kRuns = 5;

std::vector<Byte> SkinPayload() {
    std::ifstream input(SERVIORA_SKIN_DESCRIPTION, std::ios::binary);
    const AnsiString description{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    std::vector<TSkinMember> members = PaintSkinArt();
    members.push_back({"serviora.ini", std::vector<Byte>(description.begin(), description.end())});
    const std::vector<Byte> block = TSkinBlock::FromMembers(70000, members).Bytes();
    std::vector<Byte> payload;
    while (payload.size() < kPayloadBytes) payload.insert(payload.end(), block.begin(), block.end());
    payload.resize(kPayloadBytes);
    return payload;
}

// The fastest of a few runs, in milliseconds.
double BestMilliseconds(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// Decodes into `out`, already of the unpacked size, as inflate does below.
void LZHDecode(const std::vector<Byte>& package, std::vector<Byte>& out) {
    Integer size = 0;
    std::memcpy(&size, package.data(), sizeof size);
    std::size_t position = sizeof size, produced = 0;
    TLZH decoder;
    decoder.Unpack(
        size,
        [&](const void* buffer, Integer count, Integer& written) {
            std::memcpy(out.data() + produced, buffer, count);
            produced += count;
            written = count;
        },
        [&](void* buffer, Integer count, Integer& got) {
            got = static_cast<Integer>(std::min<std::size_t>(count, package.size() - position));
            std::memcpy(buffer, package.data() + position, got);
            position += got;
        });
}

// 300 controls in 20 columns and 15 rows: push and bit buttons, edits,
// combos, check boxes, panels and memos with scroll bars.
TForm* FormOfControls(Integer tag) {
    TForm* form = TForm::Create(Application, 0);
    form->SetTag(tag);
    form->SetBounds(0, 0, 1280, 800);
    for (int i = 0; i < 300; ++i) {
        const int x = (i % 20) * 63 + 2, y = (i / 20) * 50 + 2;
        TWinControl* control = nullptr;
        switch (i % 7) {
        case 0: control = TButton::Create(form); break;
        case 1: control = TBitBtn::Create(form); break;
        case 2: control = TEdit::Create(form); break;
        case 3: control = TComboBox::Create(form); break;
        case 4: control = TCheckBox::Create(form); break;
        case 5: control = new TPanel(form); break;
        default: {
            TMemo* memo = TMemo::Create(form);
            memo->SetScrollBars(ssVertical);
            for (int line = 0; line < 20; ++line) memo->Lines()->Add("line");
            control = memo;
            break;
        }
        }
        control->SetParent(form);
        control->SetBounds(x, y, 58, i % 7 == 6 ? 45 : 22);
    }
    form->Show();
    Application->ProcessMessages();
    return form;
}

void RepaintWhole(TForm* form) {
    RedrawWindow(form->Handle(), nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The median repaint times, skinned and unskinned, over interleaved runs.
void MeasureRepaint() {
    std::ifstream input(SERVIORA_SKIN_DESCRIPTION, std::ios::binary);
    const AnsiString description{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    const std::vector<Byte> package = WriteServioraSkin(description);
    TSkinData skin(nullptr);
    skin.SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
    if (!skin.LoadSkin()) {
        std::printf("the skin did not load\n");
        return;
    }
    skin.Loaded();
    SkinManager()->Active = true;
    SkinManager()->Started = true;
    TForm* plain = FormOfControls(skin.DisableTag());
    TForm* skinned = FormOfControls(0);
    std::vector<double> ours, theirs;
    for (int i = 0; i < 30; ++i) {
        const double start = ThreadMicroseconds();
        RepaintWhole(skinned);
        const double middle = ThreadMicroseconds();
        RepaintWhole(plain);
        const double end = ThreadMicroseconds();
        ours.push_back(middle - start);
        theirs.push_back(end - middle);
    }
    const bool wasSkinned = SkinManager()->FindForm(skinned->Handle()) != nullptr;
    const bool wasPlain = SkinManager()->FindForm(plain->Handle()) == nullptr;
    delete skinned;
    delete plain;
    FreeSkinManager();
    const double ratio = Median(ours) / Median(theirs);
    std::printf("repaint of 300 controls: skinned %.0f us, unskinned %.0f us, ratio %.2f (goal at most 2.00): %s%s\n",
                Median(ours), Median(theirs), ratio, ratio <= 2.0 ? "met" : "missed",
                wasSkinned && wasPlain ? "" : " (the forms were not skinned as meant)");
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Byte> payload = SkinPayload();
    const std::vector<Byte> lzh = TLZHEncoder().Pack(payload);
    uLongf zlibSize = compressBound(payload.size());
    std::vector<Byte> zlib(zlibSize);
    compress2(zlib.data(), &zlibSize, payload.data(), payload.size(), 6);
    zlib.resize(zlibSize);

    std::vector<Byte> lzhOut(payload.size()), zlibOut(payload.size());
    const double lzhMs = BestMilliseconds([&] { LZHDecode(lzh, lzhOut); });
    const double zlibMs = BestMilliseconds([&] {
        uLongf size = zlibOut.size();
        uncompress(zlibOut.data(), &size, zlib.data(), zlib.size());
    });
    if (lzhOut != payload || zlibOut != payload) {
        std::printf("decoded bytes differ from the payload\n");
        return 1;
    }
    const double ratio = lzhMs / zlibMs;
    std::printf("payload %zu bytes; LZHUF %zu bytes, zlib %zu bytes\n", payload.size(), lzh.size(), zlib.size());
    std::printf("decode: LZHUF %.2f ms, zlib inflate %.2f ms, ratio %.2f (goal at most 3.00): %s\n", lzhMs, zlibMs,
                ratio, ratio <= 3.0 ? "met" : "missed");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGuiPlatform(argc, argv);
    std::unique_ptr<TApplication> application(TApplication::Create(nullptr));
    Application = application.get();
    MeasureRepaint();
    Application = nullptr;
    return 0;
}
