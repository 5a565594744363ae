// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_TESTS_DESKTOP_X_SERVER_H
#define FIELDCLEAR_TESTS_DESKTOP_X_SERVER_H

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>

// The X server as the window manager and the player reach it: window properties read from the
// server itself, and input sent through it (XTest), so that what the window system does with it,
// a modal dialog's grab included, is what the game gets.
namespace x_server {

using Window = std::uint32_t;

// _NET_WM_NAME, the title a window manager shows.
QString title(Window w);
// WM_CLASS, its two parts joined by a blank: what a desktop matches to StartupWMClass.
QByteArray windowClass(Window w);
// _NET_WM_PID.
qint64 pid(Window w);
// The managed windows (_NET_CLIENT_LIST), and the active one, as the window manager sees them.
QList<Window> clients();
Window activeWindow();

// Input through the server: a left click at a point of the screen, a key by its keysym.
void click(QPoint global);
void key(std::uint32_t keysym);
// Returns once the server has dealt with everything sent to it so far.
void sync();

}  // namespace x_server

#endif
