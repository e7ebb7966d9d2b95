#include "platform/keylocks.h"

#ifdef VREK_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#endif

namespace keylocks {

#ifdef VREK_HAVE_X11
namespace {
Display *display() {
    static Display *d = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const char *name = std::getenv("DISPLAY");
        if (name && *name) d = XOpenDisplay(nullptr);
    }
    return d;
}

unsigned maskOf(Display *d, Lock l) {
    if (l == Caps) return LockMask;
    unsigned m = XkbKeysymToModifiers(d, 0xff7f /* XK_Num_Lock */);
    return m ? m : Mod2Mask;
}
}  // namespace

bool state(Lock l) {
    Display *d = display();
    if (!d) return false;
    unsigned st = 0;
    if (XkbGetIndicatorState(d, XkbUseCoreKbd, &st) != Success) return false;
    // Indicator 0 is Caps Lock and 1 Num Lock on the usual keymaps.
    return (st & (l == Caps ? 1u : 2u)) != 0;
}

void set(Lock l, bool on) {
    Display *d = display();
    if (!d) return;
    unsigned m = maskOf(d, l);
    XkbLockModifiers(d, XkbUseCoreKbd, m, on ? m : 0);
    XFlush(d);
}
#else
bool state(Lock) { return false; }
void set(Lock, bool) {}
#endif

}  // namespace keylocks
