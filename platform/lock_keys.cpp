#include "lock_keys.h"

#include <QGuiApplication>

#ifdef SKELVORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace skelvora {

LockState SystemLockKeys::state() const
{
    LockState s;
#ifdef SKELVORA_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* dpy = x11 ? x11->display() : nullptr;
    if (!dpy)
        return s;
    auto lit = [dpy](const char* name) {
        Atom atom = XInternAtom(dpy, name, True);
        if (atom == None)
            return false;
        Bool on = False;
        if (!XkbGetNamedIndicator(dpy, atom, nullptr, &on, nullptr, nullptr))
            return false;
        return on == True;
    };
    s.caps = lit("Caps Lock");
    s.num = lit("Num Lock");
    s.scroll = lit("Scroll Lock");
#endif
    return s;
}

} // namespace skelvora
