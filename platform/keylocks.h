// Caps Lock and Num Lock through X11; without an X server they read as off
// and setting them does nothing.
#pragma once

namespace keylocks {
enum Lock { Caps, Num };
bool state(Lock l);
void set(Lock l, bool on);
}  // namespace keylocks
