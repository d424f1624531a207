// The test seams over Qt: synthetic events sent to a surface exactly as Qt
// delivers its own, and screenshots from the backing bitmaps or the screen.
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QWheelEvent>

#include "platform/rtl/codepage.h"
#include "platform/gdi/qt/gdi_qt.h"
#include "platform/win/qt/keymap.h"
#include "platform/win/qt/surface_window.h"
#include "platform/win/surfacehost.h"
#include "platform/win/testseams.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace {

using ws::SurfaceWindow;

QString ToQt(const AnsiString& text) { return QString::fromStdString(AnsiToUtf8(text)); }

// The surface that holds a window and the point in surface coordinates.
SurfaceWindow* SurfaceAt(HWND window, POINT client, QPointF* local, QPointF* global) {
    const HWND top = GetAncestor(window, GA_ROOT);
    SurfaceWindow* surface = ws::SurfaceOf(top);
    if (!surface || !surface->isVisible()) return nullptr;
    POINT screen = client;
    ClientToScreen(window, &screen);
    RECT topRect;
    GetWindowRect(top, &topRect);
    *local = QPointF(screen.x - topRect.left, screen.y - topRect.top);
    *global = QPointF(screen.x, screen.y);
    return surface;
}

Qt::MouseButton QtButton(int button) {
    return button == VK_RBUTTON ? Qt::RightButton : button == VK_MBUTTON ? Qt::MiddleButton : Qt::LeftButton;
}

Qt::MouseButtons HeldButtons() {
    Qt::MouseButtons held;
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) held |= Qt::LeftButton;
    if (GetAsyncKeyState(VK_RBUTTON) & 0x8000) held |= Qt::RightButton;
    if (GetAsyncKeyState(VK_MBUTTON) & 0x8000) held |= Qt::MiddleButton;
    return held;
}

SurfaceWindow* KeyboardSurface() {
    const HWND active = GetActiveWindow();
    return active ? ws::SurfaceOf(active) : nullptr;
}

}  // namespace

bool SimulateMouseMove(HWND window, POINT client) {
    QPointF local, global;
    SurfaceWindow* surface = SurfaceAt(window, client, &local, &global);
    if (!surface) return false;
    QMouseEvent e(QEvent::MouseMove, local, global, Qt::NoButton, HeldButtons(), Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

bool SimulateMouseButton(HWND window, POINT client, int button, bool down) {
    QPointF local, global;
    SurfaceWindow* surface = SurfaceAt(window, client, &local, &global);
    if (!surface) return false;
    Qt::MouseButtons held = HeldButtons();
    if (down) held |= QtButton(button);
    else held &= ~QtButton(button);
    QMouseEvent e(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local, global, QtButton(button),
                  held, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

bool SimulateClick(HWND window, POINT client, int button) {
    return SimulateMouseMove(window, client) && SimulateMouseButton(window, client, button, true) &&
           SimulateMouseButton(window, client, button, false);
}

void SetWorkAreaForTesting(const RECT* area) {
    ws::WorkAreaOverride() = area ? std::optional<RECT>(*area) : std::nullopt;
}

bool SimulateWheel(HWND window, POINT client, int delta) {
    QPointF local, global;
    SurfaceWindow* surface = SurfaceAt(window, client, &local, &global);
    if (!surface) return false;
    QWheelEvent e(local, global, QPoint(), QPoint(0, delta), HeldButtons(), Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

bool SimulateKey(int virtualKey, bool down, const AnsiString& text) {
    SurfaceWindow* surface = KeyboardSurface();
    if (!surface) return false;
    Qt::KeyboardModifiers modifiers;
    const Qt::Key key = ws::QtKeyOf(virtualKey, &modifiers);
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) modifiers |= Qt::ShiftModifier;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) modifiers |= Qt::ControlModifier;
    if (GetAsyncKeyState(VK_MENU) & 0x8000) modifiers |= Qt::AltModifier;
    QKeyEvent e(down ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, ToQt(text));
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

bool SimulateTyping(const AnsiString& text) {
    for (int i = 0; i < int(text.size());) {
        const int size = int(AnsiCharSize(text, std::size_t(i)));
        const AnsiString one = text.substr(std::size_t(i), std::size_t(size));
        // A character a key types is typed with that key, as a keyboard
        // does; others arrive as an input method's commit.
        const short scan = one.size() == 1 ? VkKeyScan(one[0]) : -1;
        const int vk = scan < 0 ? 0 : scan & 0xFF;
        if (vk) {
            if (!SimulateKey(vk, true, one) || !SimulateKey(vk, false)) return false;
        } else if (!SimulateCommit(one)) {
            return false;
        }
        i += size;
    }
    return true;
}

bool SimulateComposition(const AnsiString& preedit) {
    SurfaceWindow* surface = KeyboardSurface();
    if (!surface) return false;
    const QString text = ToQt(preedit);
    QList<QInputMethodEvent::Attribute> attributes{{QInputMethodEvent::Cursor, int(text.size()), 1}};
    QInputMethodEvent e(text, attributes);
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

bool SimulateCommit(const AnsiString& text) {
    SurfaceWindow* surface = KeyboardSurface();
    if (!surface) return false;
    QInputMethodEvent e;
    e.setCommitString(ToQt(text));
    QCoreApplication::sendEvent(surface, &e);
    return true;
}

int DispatchQueuedMessages(void (*deliver)(MSG& msg)) {
    int dispatched = 0;
    MSG msg;
    while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (deliver) {
            deliver(msg);
        } else {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        ++dispatched;
    }
    return dispatched;
}

namespace {
QImage WindowImage(HWND window) {
    const HWND top = GetAncestor(window, GA_ROOT);
    QImage* bitmap = gdi::BitmapImage(ws::BackingOf(top));
    if (!bitmap || !IsWindowVisible(window)) return {};
    RECT mine, topRect;
    GetWindowRect(window, &mine);
    GetWindowRect(top, &topRect);
    return bitmap->copy(mine.left - topRect.left, mine.top - topRect.top, mine.right - mine.left,
                              mine.bottom - mine.top);
}
}  // namespace

HBITMAP CaptureWindow(HWND window) {
    const QImage image = WindowImage(window);
    if (image.isNull()) return 0;
    const HBITMAP copy = CreateBitmap(image.width(), image.height(), 1, 32, nullptr);
    if (QImage* b = gdi::BitmapImage(copy)) *b = image.convertToFormat(QImage::Format_RGB32);
    return copy;
}

bool SaveWindowScreenshot(HWND window, const AnsiString& path) {
    const QImage image = WindowImage(window);
    return !image.isNull() && image.save(QString::fromStdString(AnsiToUtf8(path)), "PNG");
}

bool SaveScreenScreenshot(const AnsiString& path) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    return screen->grabWindow(0).save(QString::fromStdString(AnsiToUtf8(path)), "PNG");
}

DWORD SimulateHostDrop(HWND window, POINT client, const TMimeData& data, DWORD keys, DWORD allowed) {
    QPointF local, global;
    SurfaceWindow* surface = SurfaceAt(window, client, &local, &global);
    if (!surface) return DROPEFFECT_NONE;
    QMimeData mime;
    for (const auto& [type, bytes] : data) {
        if (type == "text/plain")
            mime.setText(QString::fromStdString(bytes));
        else
            mime.setData(QString::fromStdString(type), QByteArray::fromStdString(bytes));
    }
    const Qt::DropActions actions(int(allowed & 7));
    Qt::KeyboardModifiers modifiers;
    if (keys & MK_CONTROL) modifiers |= Qt::ControlModifier;
    if (keys & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    QDragEnterEvent enter(local.toPoint(), actions, &mime, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(surface, &enter);
    QDragMoveEvent move(local.toPoint(), actions, &mime, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(surface, &move);
    QDropEvent drop(local, actions, &mime, Qt::NoButton, modifiers);
    QCoreApplication::sendEvent(surface, &drop);
    return drop.isAccepted() ? DWORD(int(drop.dropAction())) & allowed : DROPEFFECT_NONE;
}
