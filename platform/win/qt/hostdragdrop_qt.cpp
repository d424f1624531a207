// Host drags over Qt: a drag of ours that leaves our windows runs on as a
// QDrag, and Qt's drag events on our surfaces, from other programs or
// from such a drag coming back, go to the OLE layer's sink.
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/win/hostdragdrop.h"
#include "platform/win/qt/surface_window.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"

namespace {

THostDropSink& Sink() {
    static THostDropSink sink;
    return sink;
}

std::function<bool(const TMimeData&, DWORD, DWORD*)>& HostDragSeam() {
    static std::function<bool(const TMimeData&, DWORD, DWORD*)> seam;
    return seam;
}

constexpr const char* kPrivatePrefix = "application/x-serviora-";

// Only the types the OLE layer reads are asked of the other program: each
// one is a round trip to it.
TMimeData MimeOf(const QMimeData& mime) {
    TMimeData data;
    if (mime.hasText()) data.emplace_back("text/plain", mime.text().toStdString());
    for (const QString& type : mime.formats())
        if (type == QLatin1String("text/rtf") || type == QLatin1String("text/uri-list") ||
            type.startsWith(QLatin1String(kPrivatePrefix)))
            data.emplace_back(type.toStdString(), mime.data(type).toStdString());
    return data;
}

DWORD KeysOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    DWORD keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

Qt::DropAction ActionOf(DWORD effect) {
    if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
    if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
    return effect & DROPEFFECT_LINK ? Qt::LinkAction : Qt::IgnoreAction;
}

}  // namespace

void SetHostDropSink(THostDropSink sink) { Sink() = std::move(sink); }

const THostDropSink& HostDropSink() { return Sink(); }

void SetHostDragForTesting(std::function<bool(const TMimeData&, DWORD, DWORD*)> drag) {
    HostDragSeam() = std::move(drag);
}

namespace {

bool RunQtDrag(HWND origin, const TMimeData& data, DWORD allowed, DWORD* effect) {
    ws::SurfaceWindow* surface = ws::SurfaceOf(GetAncestor(origin, GA_ROOT));
    if (!surface || QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    auto* mime = new QMimeData;
    for (const auto& [type, bytes] : data) {
        if (type == "text/plain")
            mime->setText(QString::fromStdString(bytes));
        else
            mime->setData(QString::fromStdString(type), QByteArray::fromStdString(bytes));
    }
    // Qt keeps the drag after it returns, until the other program has
    // fetched the data, and frees it then; the surface frees what is left.
    auto* drag = new QDrag(surface);
    drag->setMimeData(mime);
    const Qt::DropAction done = drag->exec(Qt::DropActions(int(allowed & 7)),
                                          allowed & DROPEFFECT_MOVE ? Qt::MoveAction : Qt::CopyAction);
    *effect = DWORD(done) & allowed;
    return true;
}

}  // namespace

bool RunHostDrag(HWND origin, const TMimeData& data, DWORD allowed, DWORD* effect) {
    const bool ran = HostDragSeam() ? HostDragSeam()(data, allowed, effect) : RunQtDrag(origin, data, allowed, effect);
    if (!ran) return false;
    // The host's drag took the release; our input learns that the button
    // is up.
    POINT at;
    GetCursorPos(&at);
    ws::InputMouseButton(at, VK_LBUTTON, false);
    return true;
}

namespace ws {

bool HostDragEvent(SurfaceWindow* surface, QEvent* e) {
    // The data of the drag over us, read once when it enters.
    static TMimeData entered;
    const THostDropSink& sink = Sink();
    if (e->type() == QEvent::DragLeave) {
        if (sink) sink(THostDragStep::Leave, POINT{}, entered, 0, 0);
        entered.clear();
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(e);
    if (!sink) {
        drop->ignore();
        return true;
    }
    if (e->type() == QEvent::DragEnter || entered.empty()) entered = MimeOf(*drop->mimeData());
    const QPoint global = surface->mapToGlobal(drop->position().toPoint());
    const THostDragStep step = e->type() == QEvent::Drop ? THostDragStep::Drop : THostDragStep::Over;
    const DWORD effect = sink(step, POINT{global.x(), global.y()}, entered, KeysOf(drop->buttons(), drop->modifiers()),
                              DWORD(int(drop->possibleActions())) & 7);
    if (step == THostDragStep::Drop) entered.clear();
    drop->setDropAction(ActionOf(effect));
    // An entering drag is taken even where it cannot drop yet, so that its
    // moves keep coming.
    if (effect || e->type() == QEvent::DragEnter)
        drop->accept();
    else
        drop->ignore();
    return true;
}

}  // namespace ws
