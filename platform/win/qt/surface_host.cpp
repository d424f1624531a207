// The Qt side of the window system: one frameless QWindow per shown
// top-level window, painted from the window's backing bitmap, with Qt's
// input turned into queued messages; the screens; and the event loop that
// wakes a waiting GetMessage.
#include <QAbstractEventDispatcher>
#include <QBackingStore>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/thread.h"
#include "platform/gdi/qt/gdi_qt.h"
#include "platform/win/qt/keymap.h"
#include "platform/win/monitorlayout.h"
#include "platform/win/qt/surface_window.h"
#include "platform/gdi/graphicsplatform.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"

namespace ws {
namespace {

// The offscreen platform of the tests neither raises windows nor masks them.
bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

using SurfaceMap = std::map<HWND, std::unique_ptr<SurfaceWindow>>;

// The map outlives static destruction on purpose: a window may be destroyed
// by a static destructor, after the surfaces were abandoned at exit.
SurfaceMap& Surfaces() {
    static SurfaceMap* const surfaces = new SurfaceMap;
    return *surfaces;
}

// The order of the surfaces in the windowing system's stack, bottom first,
// as we made it: a new surface goes on top, a raised one to the top, and a
// hidden one keeps its place (it comes back there when shown again).
std::vector<HWND>& SurfaceStack() {
    static std::vector<HWND>* const stack = new std::vector<HWND>;
    return *stack;
}

void RaiseSurface(HWND window, SurfaceWindow* surface) {
    if (!Offscreen()) surface->raise();
    auto& stack = SurfaceStack();
    std::erase(stack, window);
    stack.push_back(window);
}

// Activation inside the program follows clicks and keys through our own
// queue; Qt tells only when the program as a whole gains or loses the
// foreground.
void ConnectApplication() {
    static bool connected = false;
    if (connected) return;
    connected = true;
    if (Offscreen()) return;
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged,
                     [](Qt::ApplicationState state) { ApplicationActivated(state == Qt::ApplicationActive); });
}

AnsiString ToAnsi(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

// A cursor's or icon's colour image with its AND mask as transparency.
QImage MaskedImage(HBITMAP color, HBITMAP mask) {
    QImage* image = gdi::BitmapImage(color);
    QImage* andMask = gdi::BitmapImage(mask);
    if (!image) return QImage();
    QImage shown = image->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; andMask && y < shown.height() && y < andMask->height(); ++y)
        for (int x = 0; x < shown.width() && x < andMask->width(); ++x)
            if (andMask->pixel(x, y) & 0xFFFFFF) shown.setPixel(x, y, 0);
    return shown;
}

QIcon QtIconOf(HICON icon) {
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return QIcon();
    const QImage shown = MaskedImage(info.hbmColor, info.hbmMask);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return shown.isNull() ? QIcon() : QIcon(QPixmap::fromImage(shown));
}

// Window text is ANSI; the windowing system takes UTF-8.
QString QtText(const AnsiString& text) { return QString::fromStdString(AnsiToUtf8(text)); }

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return VK_LBUTTON;
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return 0;
    }
}

POINT ScreenPoint(const QPointF& global) { return {LONG(global.x()), LONG(global.y())}; }

Qt::CursorShape ShapeOf(std::uintptr_t id) {
    switch (id) {
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_UPARROW: return Qt::UpArrowCursor;
    case IDC_SIZE: case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_SIZENWSE: return Qt::SizeFDiagCursor;
    case IDC_SIZENESW: return Qt::SizeBDiagCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_NO: return Qt::ForbiddenCursor;
    case IDC_HAND: return Qt::PointingHandCursor;
    case IDC_APPSTARTING: return Qt::BusyCursor;
    case IDC_HELP: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

SurfaceWindow::SurfaceWindow(HWND window) : window_(window), store_(this) {
    ws::Window* w = Find(window);
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    const bool noActivate = w && (w->exStyle & WS_EX_NOACTIVATE);
    if (w && (w->exStyle & WS_EX_TOOLWINDOW)) flags |= noActivate ? Qt::ToolTip : Qt::Tool;
    else flags |= Qt::Window;
    if (noActivate) flags |= Qt::WindowDoesNotAcceptFocus;
    if (w && (w->exStyle & WS_EX_TOPMOST)) flags |= Qt::WindowStaysOnTopHint;
    setFlags(flags);
    setSurfaceType(QSurface::RasterSurface);
}

void SurfaceWindow::Flush(const QRect& area) {
    // Many small paints in a row reach the screen together.
    if (dirty_.isEmpty()) requestUpdate();
    dirty_ += area;
}

void SurfaceWindow::FlushNow() {
    const QRegion dirty = dirty_;
    dirty_ = QRegion();
    if (!isExposed()) return;
    QImage* bitmap = gdi::BitmapImage(BackingOf(window_));
    if (!bitmap) return;
    const QRegion part = dirty & QRect(QPoint(0, 0), bitmap->size());
    if (part.isEmpty()) return;
    if (store_.size() != bitmap->size()) store_.resize(bitmap->size());
    store_.beginPaint(part);
    {
        QPainter painter(store_.paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : part) painter.drawImage(r.topLeft(), *bitmap, r);
    }
    store_.endPaint();
    store_.flush(part);
    painted_ = true;
}

bool SurfaceWindow::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::Expose:
        // The store still holds what was drawn; only a new or resized one
        // needs the backing bitmap again.
        if (!isExposed()) return true;
        if (painted_ && store_.size() == size()) store_.flush(QRect(QPoint(0, 0), size()));
        else dirty_ = QRect(QPoint(0, 0), size());
        FlushNow();
        return true;
    case QEvent::UpdateRequest:
        FlushNow();
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(e);
        const POINT at = ClipToCursorRect(ScreenPoint(m->globalPosition()));
        if (e->type() == QEvent::MouseMove) InputMouseMove(at);
        else if (const int button = ButtonOf(m->button()))
            // Our own double-click detection decides; Qt's second press is a press.
            InputMouseButton(at, button, e->type() != QEvent::MouseButtonRelease);
        return true;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(e);
        InputMouseWheel(ScreenPoint(wheel->globalPosition()), wheel->angleDelta().y());
        return true;
    }
    case QEvent::Leave:
        InputMouseLeftSurfaces(ClipToCursorRect(ScreenPoint(QCursor::pos())));
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(e);
        const int vk = VirtualKeyOf(*k);
        const bool pressed = e->type() == QEvent::KeyPress;
        // Delete gives no character on the platform, though Qt gives one.
        const AnsiString text = pressed && vk != VK_DELETE ? ToAnsi(k->text()) : AnsiString();
        if (vk) InputKey(vk, pressed, text, k->isAutoRepeat());
        else if (pressed && !text.empty()) InputCommit(text);
        return true;
    }
    case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(e);
        if (!im->commitString().isEmpty()) InputCommit(ToAnsi(im->commitString()));
        int cursor = 0;
        const QString preedit = im->preeditString();
        for (const auto& a : im->attributes())
            if (a.type == QInputMethodEvent::Cursor) cursor = int(ToAnsi(preedit.left(a.start)).size());
        InputComposition(ToAnsi(preedit), cursor);
        return true;
    }
    case QEvent::InputMethodQuery: {
        auto* query = static_cast<QInputMethodQueryEvent*>(e);
        const Qt::InputMethodQueries asked = query->queries();
        if (asked & Qt::ImEnabled) query->setValue(Qt::ImEnabled, InputMethodAllowed(GetFocus()));
        if (asked & Qt::ImCursorRectangle) {
            const RECT r = InputMethodCursorRect();
            RECT mine;
            GetWindowRect(window_, &mine);
            query->setValue(Qt::ImCursorRectangle,
                            QRect(r.left - mine.left, r.top - mine.top, r.right - r.left, r.bottom - r.top));
        }
        if (asked & Qt::ImHints) query->setValue(Qt::ImHints, int(Qt::ImhNone));
        query->accept();
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return HostDragEvent(this, e);
    case QEvent::Close:
        e->ignore();
        PostMessage(window_, WM_CLOSE, 0, 0);
        return true;
    default:
        return QWindow::event(e);
    }
}

QObject* SurfaceWindow::focusObject() const { return const_cast<SurfaceWindow*>(this); }

SurfaceWindow* SurfaceOf(HWND window) {
    auto it = Surfaces().find(window);
    return it == Surfaces().end() ? nullptr : it->second.get();
}

void StartSurfaceHost(int& argc, char** argv) {
    StartGraphicsPlatform(argc, argv);
    EnsureSurfaceHost();
}

void EnsureSurfaceHost() {
    static bool started = false;
    if (started) return;
    started = true;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "serviora";
        static char* argv[] = {name, nullptr};
        StartGraphicsPlatform(argc, argv);
    }
    AtGraphicsPlatformExit([] {
        AbandonSurfaces();
        DestroyAllWindows();
    });
    SetWakeMainThread([] { WakeHost(); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenSize(screen->geometry().width(), screen->geometry().height());
    SetMonitorCountSource(&MonitorCount);
    SetVirtualScreenSource(&VirtualScreen);
}

void SyncSurface(HWND window, const RECT& rect, bool visible) {
    SurfaceWindow* surface = SurfaceOf(window);
    if (!surface) {
        if (!visible) return;
        EnsureSurfaceHost();
        // After the platform went down at exit nothing is shown any more.
        if (!QGuiApplication::instance()) return;
        ConnectApplication();
        surface = Surfaces().emplace(window, std::make_unique<SurfaceWindow>(window)).first->second.get();
        SurfaceStack().push_back(window);
        if (Window* w = Find(window)) {
            surface->setTitle(QtText(w->text));
            surface->setIcon(QtIconOf(w->bigIcon ? w->bigIcon : w->smallIcon));
            // A shape given before the window first showed applies from now.
            if (w->region) SetSurfaceMask(window, w->region);
        }
    }
    const QRect geometry(rect.left, rect.top, std::max<LONG>(1, rect.right - rect.left),
                         std::max<LONG>(1, rect.bottom - rect.top));
    if (surface->geometry() != geometry) surface->setGeometry(geometry);
    if (surface->isVisible() != visible) surface->setVisible(visible);
}

void DestroySurface(HWND window) {
    Surfaces().erase(window);
    std::erase(SurfaceStack(), window);
}

void StackSurfaces(const std::vector<HWND>& topFirst) {
    std::vector<HWND> wanted;
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it)
        if (SurfaceWindow* surface = SurfaceOf(*it); surface && surface->isVisible()) wanted.push_back(*it);
    std::vector<HWND> now;
    for (HWND h : SurfaceStack())
        if (std::find(wanted.begin(), wanted.end(), h) != wanted.end()) now.push_back(h);
    // From the lowest surface out of place up, each is raised in turn.
    std::size_t inPlace = 0;
    while (inPlace < wanted.size() && inPlace < now.size() && wanted[inPlace] == now[inPlace]) ++inPlace;
    for (std::size_t i = inPlace; i < wanted.size(); ++i) RaiseSurface(wanted[i], SurfaceOf(wanted[i]));
}

void SetSurfaceTitle(HWND window, const AnsiString& title) {
    if (SurfaceWindow* surface = SurfaceOf(window)) surface->setTitle(QtText(title));
}

void SetSurfaceIcon(HWND window, HICON icon) {
    if (SurfaceWindow* surface = SurfaceOf(window)) surface->setIcon(QtIconOf(icon));
}

void AbandonSurfaces() {
    for (auto& entry : Surfaces()) (void)entry.second.release();
    Surfaces().clear();
    SurfaceStack().clear();
}

void ActivateSurface(HWND window) {
    if (SurfaceWindow* surface = SurfaceOf(window); surface && surface->isVisible())
        if (!(surface->flags() & Qt::WindowDoesNotAcceptFocus)) surface->requestActivate();
}

void FlushSurface(HWND window, const RECT& dirty) {
    if (SurfaceWindow* surface = SurfaceOf(window))
        surface->Flush(QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

void SetSurfaceMask(HWND window, HRGN region) {
    SurfaceWindow* surface = SurfaceOf(window);
    if (!surface) return;
    const QRegion* r = gdi::RegionArea(region);
    if (!Offscreen()) surface->setMask(r ? *r : QRegion());
}

namespace {
// The Qt cursor of an HCURSOR: a shape for system cursors, an image with
// the AND mask as transparency for our own.
QCursor QtCursorOf(HCURSOR cursor) {
    HBITMAP color = 0, mask = 0;
    POINT hot;
    if (!CursorImage(cursor, &color, &mask, &hot)) return QCursor(ShapeOf(cursor ? SystemCursorId(cursor) : IDC_ARROW));
    const QImage shown = MaskedImage(color, mask);
    if (shown.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(shown), hot.x, hot.y);
}
}  // namespace

void CursorChanged() {
    const QCursor shown = CursorShown() ? QtCursorOf(GetCursor()) : QCursor(Qt::BlankCursor);
    for (auto& [handle, surface] : Surfaces()) surface->setCursor(shown);
}

void ProcessHostEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForHostEvents(int milliseconds) {
    if (!QCoreApplication::instance()) return;
    if (milliseconds == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    std::unique_ptr<QTimer> timer;
    if (milliseconds > 0) {
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        timer->start(milliseconds);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void WakeHost() {
    if (!QCoreApplication::instance()) return;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread()))
        dispatcher->wakeUp();
}

namespace {
QList<QScreen*> ScreensPrimaryFirst() {
    if (!QGuiApplication::instance()) return {};
    QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    screens.removeAll(primary);
    if (primary) screens.prepend(primary);
    return screens;
}

RECT RectOf(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
}  // namespace

std::optional<RECT>& WorkAreaOverride() {
    static std::optional<RECT> area;
    return area;
}

int MonitorCount() { return std::max<int>(1, int(ScreensPrimaryFirst().size())); }

void VirtualScreen(RECT* bounds) {
    std::vector<RECT> monitors;
    for (QScreen* screen : ScreensPrimaryFirst()) monitors.push_back(RectOf(screen->geometry()));
    if (!monitors.empty()) *bounds = VirtualScreenOf(monitors);
}

void MonitorArea(int index, RECT* bounds, RECT* work) {
    const QList<QScreen*> screens = ScreensPrimaryFirst();
    if (index < 0 || index >= screens.size()) {
        *bounds = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        *work = *bounds;
    } else {
        *bounds = RectOf(screens[index]->geometry());
        *work = RectOf(screens[index]->availableGeometry());
    }
    if (index <= 0 && WorkAreaOverride()) *work = *WorkAreaOverride();
}

void ScreenBounds(RECT* bounds) {
    RECT work;
    MonitorArea(0, bounds, &work);
}

void WorkArea(RECT* area) {
    RECT bounds;
    MonitorArea(0, &bounds, area);
}

}  // namespace ws
