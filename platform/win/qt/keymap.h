// Qt's key codes and the platform's virtual keys, both ways. Private to
// platform/win/qt.
#pragma once

#include <QKeyEvent>

namespace ws {

// 0 for keys without a virtual key.
int VirtualKeyOf(const QKeyEvent& event);
// The Qt key and modifiers that give `virtualKey` (Qt::Key_unknown for none).
Qt::Key QtKeyOf(int virtualKey, Qt::KeyboardModifiers* modifiers);

}  // namespace ws
