// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_server.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace x_server {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t root() {
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

xcb_atom_t atom(const char* name) {
    xcb_connection_t* c = connection();
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QByteArray property(xcb_window_t w, const char* name, xcb_atom_t type = XCB_ATOM_ANY) {
    xcb_connection_t* c = connection();
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom(name), type, 0, 4096), nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            xcb_get_property_value_length(reply.get())};
}

QList<Window> windows(const QByteArray& bytes) {
    QList<Window> out;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        Window w = 0;
        memcpy(&w, bytes.constData() + i, sizeof w);
        out << w;
    }
    return out;
}

void fake(std::uint8_t type, std::uint8_t detail, QPoint at = {}) {
    xcb_connection_t* c = connection();
    xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, type == XCB_MOTION_NOTIFY ? root() : 0,
                        static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()), 0);
    xcb_flush(c);
}

xcb_keycode_t keycode(std::uint32_t keysym) {
    xcb_connection_t* c = connection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<std::uint8_t>(count)),
            nullptr),
        &std::free);
    if (!map) {
        return 0;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int per = map->keysyms_per_keycode;
    for (int k = 0; k < count; ++k) {
        for (int i = 0; i < per; ++i) {
            if (syms[k * per + i] == keysym) {
                return static_cast<xcb_keycode_t>(setup->min_keycode + k);
            }
        }
    }
    return 0;
}

}  // namespace

QString title(Window w) {
    return QString::fromUtf8(property(w, "_NET_WM_NAME"));
}

QByteArray windowClass(Window w) {
    QByteArray both = property(w, "WM_CLASS", XCB_ATOM_STRING);
    if (both.endsWith('\0')) {
        both.chop(1);
    }
    return both.replace('\0', ' ');
}

qint64 pid(Window w) {
    const QByteArray bytes = property(w, "_NET_WM_PID", XCB_ATOM_CARDINAL);
    return bytes.size() == 4 ? windows(bytes).front() : -1;
}

QList<Window> clients() {
    return windows(property(root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW));
}

Window activeWindow() {
    const QList<Window> active = windows(property(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW));
    return active.isEmpty() ? 0 : active.front();
}

void click(QPoint global) {
    fake(XCB_MOTION_NOTIFY, 0, global);
    fake(XCB_BUTTON_PRESS, 1);
    fake(XCB_BUTTON_RELEASE, 1);
}

void sync() {
    xcb_connection_t* c = connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void key(std::uint32_t keysym) {
    const xcb_keycode_t code = keycode(keysym);
    fake(XCB_KEY_PRESS, code);
    fake(XCB_KEY_RELEASE, code);
}

}  // namespace x_server
