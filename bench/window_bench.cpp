// The window system's costs: repainting a form full of child windows
// against painting the same rectangles straight into one image, and
// SendMessage through a chain of subclassed procedures.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "gui_bench_main.h"
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

void RepaintWindowWithChildren(benchmark::State& state) {
    // The form erases its background; the panels paint all of theirs, so
    // they need no erasing (no class brush), as controls that fill their
    // client area do.
    WNDCLASS form;
    form.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    form.lpszClassName = "TBenchForm";
    RegisterClass(&form);
    WNDCLASS panel;
    panel.lpfnWndProc = &ChildPainter;
    panel.lpszClassName = "TBenchPanel";
    RegisterClass(&panel);
    const HWND window = CreateWindowEx(0, "TBenchForm", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                       formWidth, formHeight, 0, 0, 0, nullptr);
    for (int i = 0; i < columns * rows; ++i) {
        const RECT r = ChildRect(i);
        CreateWindowEx(0, "TBenchPanel", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top,
                       r.right - r.left, r.bottom - r.top, window, HANDLE(i), 0, nullptr);
    }
    ProcessMessages();
    for (auto _ : state) {
        RedrawWindow(window, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        ProcessMessages();
    }
    DestroyWindow(window);
    UnregisterClass("TBenchPanel", 0);
    UnregisterClass("TBenchForm", 0);
}
BENCHMARK(RepaintWindowWithChildren)->Unit(benchmark::kMicrosecond);

void PaintRectanglesIntoOneImage(benchmark::State& state) {
    QImage image(formWidth, formHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(212, 208, 200));
        for (int i = 0; i < columns * rows; ++i) {
            const RECT r = ChildRect(i);
            const COLORREF c = ColourOf(i);
            const QRect q(r.left, r.top, r.right - r.left, r.bottom - r.top);
            painter.fillRect(q, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
            painter.setPen(Qt::black);
            painter.drawRect(q.adjusted(0, 0, -1, -1));
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(PaintRectanglesIntoOneImage)->Unit(benchmark::kMicrosecond);

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
