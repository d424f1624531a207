// A top-level form carries its caption as the X window's title and its icon
// as the X window's icon, so a taskbar or window switcher tells the
// program's windows apart. Read back from the X server itself.
#include <QGuiApplication>
#include <QThread>
#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <optional>

#include "platform/rtl/codepage.h"
#include "platform/ui/graphic.h"
#include "platform/win/resources.h"
#include "tests/platform/ui/control_fixture.h"

using FormTitleTest = ControlTest;

namespace {

// A connection of the test's own to the X server, beside the program's.
class XServer {
public:
    XServer() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~XServer() { xcb_disconnect(connection_); }
    bool Connected() const { return !xcb_connection_has_error(connection_); }

    // The top-level windows whose title (_NET_WM_NAME, else WM_NAME) is
    // exactly `title` (UTF-8).
    int CountTitled(const std::string& title) {
        int count = 0;
        for (xcb_window_t window : TopLevels())
            if (Property(window, "_NET_WM_NAME").value_or(Property(window, "WM_NAME").value_or("")) == title) ++count;
        return count;
    }
    // Whether a window titled `title` carries an icon (_NET_WM_ICON).
    bool HasIcon(const std::string& title) {
        for (xcb_window_t window : TopLevels())
            if (Property(window, "_NET_WM_NAME") == title) return Property(window, "_NET_WM_ICON").has_value();
        return false;
    }

private:
    std::vector<xcb_window_t> TopLevels() {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, screen->root), nullptr), &free);
        if (!tree) return {};
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        return {children, children + xcb_query_tree_children_length(tree.get())};
    }
    xcb_atom_t Atom(const char* name) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name),
                                  nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    std::optional<std::string> Property(xcb_window_t window, const char* name) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                    1 << 16),
                                   nullptr),
            &free);
        if (!reply || reply->type == XCB_ATOM_NONE) return std::nullopt;
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
        return std::string(bytes, std::size_t(xcb_get_property_value_length(reply.get())));
    }

    xcb_connection_t* connection_;
};

// Lets the program's requests reach the X server.
void Settle() {
    for (int i = 0; i < 10; ++i) {
        ProcessMessages();
        QThread::msleep(20);
    }
}

}  // namespace

// Runs only under Xvfb (the platform_ui_xvfb test); skipped elsewhere.
TEST_F(FormTitleTest, RealWindowTitleAndIconFollowTheFormsCaptionAndIcon) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    XServer x;
    ASSERT_TRUE(x.Connected());
    TForm* login = NewForm();
    login->SetCaption("系统登陆");
    HICON icon = LoadIcon(HInstance, "AppIcon");
    ASSERT_NE(icon, 0u);
    login->Icon()->SetHandle(icon);
    login->Show();
    Settle();
    EXPECT_EQ(x.CountTitled(Utf8(u8"系统登陆")), 1);
    EXPECT_TRUE(x.HasIcon(Utf8(u8"系统登陆")));

    login->SetCaption("售后服务管理");
    Settle();
    EXPECT_EQ(x.CountTitled(Utf8(u8"系统登陆")), 0);
    EXPECT_EQ(x.CountTitled(Utf8(u8"售后服务管理")), 1);
    // Raw window text reaches the title the same way.
    SetWindowText(login->Handle(), "修改密码");
    Settle();
    EXPECT_EQ(x.CountTitled(Utf8(u8"修改密码")), 1);
}
