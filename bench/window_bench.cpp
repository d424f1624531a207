// The window system's costs: repainting a form full of child windows side
// by side with painting the same pixels straight into one image (checked
// equal first), and SendMessage through a chain of subclassed procedures.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <vector>

#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/testseams.h"
#include "platform/win/winpaint.h"

namespace {

constexpr int formWidth = 1280, formHeight = 800, columns = 20, rows = 15;

COLORREF ColourOf(int index) { return RGB(40 + index % 200, 90 + (index * 7) % 160, 160 + (index * 13) % 90); }

// The test painter: each child fills its client area and frames it.
LRESULT ChildPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const HBRUSH fill = CreateSolidBrush(ColourOf(GetDlgCtrlID(window)));
    FillRect(dc, &client, fill);
    DeleteObject(fill);
    FrameRect(dc, &client, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EndPaint(window, &ps);
    return 0;
}

RECT ChildRect(int index) {
    const int w = formWidth / columns, h = formHeight / rows;
    const int x = (index % columns) * w, y = (index / columns) * h;
    return Rect(x + 2, y + 2, x + w - 2, y + h - 2);
}

// A form of 300 panels; the form erases its background and the panels
// paint all of theirs, so they need no erasing (no class brush), as
// controls that fill their client area do.
struct FormWithPanels {
    FormWithPanels() {
        WNDCLASS form;
        form.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
        form.lpszClassName = "TBenchForm";
        RegisterClass(&form);
        WNDCLASS panel;
        panel.lpfnWndProc = &ChildPainter;
        panel.lpszClassName = "TBenchPanel";
        RegisterClass(&panel);
        window = CreateWindowEx(0, "TBenchForm", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, formWidth,
                                formHeight, 0, 0, 0, nullptr);
        for (int i = 0; i < columns * rows; ++i) {
            const RECT r = ChildRect(i);
            CreateWindowEx(0, "TBenchPanel", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, window, HANDLE(i), 0, nullptr);
        }
        ProcessMessages();
    }
    ~FormWithPanels() {
        DestroyWindow(window);
        UnregisterClass("TBenchPanel", 0);
        UnregisterClass("TBenchForm", 0);
    }
    FormWithPanels(const FormWithPanels&) = delete;
    FormWithPanels& operator=(const FormWithPanels&) = delete;
    HWND window = 0;
};

QColor QtColour(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The form's pixels painted straight into one image with the cheapest
// exact QPainter calls: fills only, a one-pixel frame as four thin fills
// (a pen gives the same pixels at several times the cost).
void PaintReference(QImage& image) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), QtColour(GetSysColor(COLOR_BTNFACE)));
    for (int i = 0; i < columns * rows; ++i) {
        const RECT r = ChildRect(i);
        const QRect q(r.left, r.top, r.right - r.left, r.bottom - r.top);
        painter.fillRect(q.adjusted(1, 1, -1, -1), QtColour(ColourOf(i)));
        painter.fillRect(QRect(q.left(), q.top(), q.width(), 1), Qt::black);
        painter.fillRect(QRect(q.left(), q.bottom(), q.width(), 1), Qt::black);
        painter.fillRect(QRect(q.left(), q.top() + 1, 1, q.height() - 2), Qt::black);
        painter.fillRect(QRect(q.right(), q.top() + 1, 1, q.height() - 2), Qt::black);
    }
}

// Whether the window shows exactly the image's pixels.
bool ShowsPixels(HWND window, const QImage& image) {
    const HBITMAP shown = CaptureWindow(window);
    if (!shown) return false;
    BITMAPINFO info;
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(std::size_t(image.width()) * std::size_t(image.height()));
    const int lines = GetDIBits(0, shown, 0, UINT(image.height()), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(shown);
    if (lines != image.height()) return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] ^ pixels[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)]) & 0xFFFFFFu)
                return false;
    }
    return true;
}

void RepaintWindowWithChildren(benchmark::State& state) {
    FormWithPanels form;
    QImage reference(formWidth, formHeight, QImage::Format_RGB32);
    PaintReference(reference);
    if (!ShowsPixels(form.window, reference)) {
        state.SkipWithError("the reference does not paint the form's pixels");
        return;
    }
    TimeSideBySide(
        state,
        [&] {
            RedrawWindow(form.window, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            ProcessMessages();
        },
        [&] {
            PaintReference(reference);
            benchmark::DoNotOptimize(reference.constBits());
        });
}
BENCHMARK(RepaintWindowWithChildren)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Three procedures deep: a bound member, a free subclass, then the class's own.
LRESULT ClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return LRESULT(wParam + 1);
    return DefWindowProc(window, message, wParam, lParam);
}

WNDPROC freeNext;
LRESULT FreeSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProc(freeNext, window, message, wParam, lParam);
}

struct BoundSubclass {
    HWND window = 0;
    WNDPROC next;
    void WindowProc(TMessage& m) { m.Result = CallWindowProc(next, window, m.Msg, m.WParam, m.LParam); }
};

void SendMessageThroughThreeProcedures(benchmark::State& state) {
    WNDCLASS wc;
    wc.lpfnWndProc = &ClassProcedure;
    wc.lpszClassName = "TBenchTarget";
    RegisterClass(&wc);
    const HWND window = CreateWindowEx(0, "TBenchTarget", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
    freeNext = WNDPROC(SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(WNDPROC(&FreeSubclass))));
    BoundSubclass bound;
    bound.window = window;
    const WNDPROC instance = MakeObjectInstance(TWndMethod(&bound, &BoundSubclass::WindowProc));
    bound.next = WNDPROC(SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(instance)));
    WPARAM value = 0;
    for (auto _ : state) value = WPARAM(SendMessage(window, WM_USER, value, 0));
    if (value != WPARAM(state.iterations())) state.SkipWithError("the chain lost messages");
    DestroyWindow(window);
    FreeObjectInstance(instance);
    UnregisterClass("TBenchTarget", 0);
}
BENCHMARK(SendMessageThroughThreeProcedures)->Iterations(1000000);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}
