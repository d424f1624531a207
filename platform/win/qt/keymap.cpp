// The key table shared by input translation and synthetic input.
#include "platform/win/qt/keymap.h"


#include "platform/win/userinput.h"

namespace ws {
namespace {

struct KeyPair {
    int qt;
    int vk;
    bool keypad;
};

// Keys whose virtual key does not follow from a range. Where one Qt key
// serves two virtual keys, the keypad flag tells them apart.
constexpr KeyPair keys[] = {
    {Qt::Key_Backspace, VK_BACK, false}, {Qt::Key_Tab, VK_TAB, false}, {Qt::Key_Backtab, VK_TAB, false},
    {Qt::Key_Return, VK_RETURN, false}, {Qt::Key_Enter, VK_RETURN, true}, {Qt::Key_Shift, VK_SHIFT, false},
    {Qt::Key_Control, VK_CONTROL, false}, {Qt::Key_Alt, VK_MENU, false}, {Qt::Key_Pause, VK_PAUSE, false},
    {Qt::Key_CapsLock, VK_CAPITAL, false}, {Qt::Key_Escape, VK_ESCAPE, false}, {Qt::Key_Space, VK_SPACE, false},
    {Qt::Key_PageUp, VK_PRIOR, false}, {Qt::Key_PageDown, VK_NEXT, false}, {Qt::Key_End, VK_END, false},
    {Qt::Key_Home, VK_HOME, false}, {Qt::Key_Left, VK_LEFT, false}, {Qt::Key_Up, VK_UP, false},
    {Qt::Key_Right, VK_RIGHT, false}, {Qt::Key_Down, VK_DOWN, false}, {Qt::Key_Insert, VK_INSERT, false},
    {Qt::Key_Delete, VK_DELETE, false}, {Qt::Key_Help, VK_HELP, false}, {Qt::Key_Menu, VK_APPS, false},
    {Qt::Key_NumLock, VK_NUMLOCK, false}, {Qt::Key_ScrollLock, VK_SCROLL, false},
    {Qt::Key_Print, VK_SNAPSHOT, false}, {Qt::Key_Asterisk, VK_MULTIPLY, true}, {Qt::Key_Plus, VK_ADD, true},
    {Qt::Key_Minus, VK_SUBTRACT, true}, {Qt::Key_Period, VK_DECIMAL, true}, {Qt::Key_Slash, VK_DIVIDE, true},
    {Qt::Key_Equal, 0xBB, false}, {Qt::Key_Plus, 0xBB, false}, {Qt::Key_Minus, 0xBD, false},
    {Qt::Key_Period, 0xBE, false}, {Qt::Key_Slash, 0xBF, false}, {Qt::Key_Comma, 0xBC, false},
    {Qt::Key_Semicolon, 0xBA, false}, {Qt::Key_QuoteLeft, 0xC0, false}, {Qt::Key_BracketLeft, 0xDB, false},
    {Qt::Key_Backslash, 0xDC, false}, {Qt::Key_BracketRight, 0xDD, false}, {Qt::Key_Apostrophe, 0xDE, false},
};

}  // namespace

int VirtualKeyOf(const QKeyEvent& e) {
    const int key = e.key();
    const bool keypad = (e.modifiers() & Qt::KeypadModifier) != 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
    const KeyPair* fallback = nullptr;
    for (const KeyPair& k : keys) {
        if (k.qt != key) continue;
        if (k.keypad == keypad) return k.vk;
        if (!fallback) fallback = &k;
    }
    if (fallback) return fallback->vk;
    // Shifted punctuation ("!", "@", '"') reports a key of its own: the key
    // is the one that types it.
    const QByteArray text = e.text().toLatin1();
    const short scan = text.size() == 1 ? VkKeyScan(text[0]) : -1;
    return scan < 0 ? 0 : scan & 0xFF;
}

Qt::Key QtKeyOf(int vk, Qt::KeyboardModifiers* modifiers) {
    *modifiers = Qt::NoModifier;
    if (vk >= 'A' && vk <= 'Z') return Qt::Key(Qt::Key_A + (vk - 'A'));
    if (vk >= '0' && vk <= '9') return Qt::Key(Qt::Key_0 + (vk - '0'));
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) {
        *modifiers = Qt::KeypadModifier;
        return Qt::Key(Qt::Key_0 + (vk - VK_NUMPAD0));
    }
    if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key(Qt::Key_F1 + (vk - VK_F1));
    for (const KeyPair& k : keys)
        if (k.vk == vk) {
            if (k.keypad) *modifiers = Qt::KeypadModifier;
            return Qt::Key(k.qt);
        }
    return Qt::Key_unknown;
}

}  // namespace ws
