// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded with LD_PRELOAD by the start-up probe: ends the program as soon as its first frame
// is painted. It wraps QPainter's destructor; when the first painter on a widget goes away,
// it queues an exit behind the rest of that frame's painting and flushing.
#include <dlfcn.h>
#include <unistd.h>

#include <QPaintDevice>
#include <QPainter>
#include <QTimer>

namespace {

using Destructor = void (*)(QPainter*);

Destructor realDestructor() {
    static const auto real = reinterpret_cast<Destructor>(dlsym(RTLD_NEXT, "_ZN8QPainterD1Ev"));
    return real;
}

}  // namespace

// QPainter::~QPainter(), the complete-object destructor, under its linker name.
extern "C" void _ZN8QPainterD1Ev(QPainter* painter) {
    static bool armed = false;
    const QPaintDevice* device = painter->device();
    if (!armed && device != nullptr && device->devType() == QInternal::Widget) {
        armed = true;
        QTimer::singleShot(0, [] { _exit(0); });
    }
    realDestructor()(painter);
}
