#include "dealing/bitselect.h"

namespace vrek {

int selectBit(uint64_t x, unsigned k) { return selectBitInline(x, k); }

uint64_t isolateBitPdep(uint64_t x, unsigned k) {
#ifdef VREK_HAVE_PDEP
    return isolateBitPdepInline(x, k);
#else
    return uint64_t(1) << selectBitInline(x, k);
#endif
}

bool pdepAvailable() {
#ifdef VREK_HAVE_PDEP
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("bmi2")) return false;
    if (__builtin_cpu_is("amd") && (__builtin_cpu_is("amdfam15h") || __builtin_cpu_is("amdfam17h"))) return false;
    return true;
#else
    return false;
#endif
}

namespace {
bool &fastFlag() {
    static bool on = pdepAvailable();
    return on;
}
}  // namespace

bool useFastSelect(bool on) {
    bool was = fastFlag();
    fastFlag() = on && pdepAvailable();
    return was;
}

bool fastSelect() { return fastFlag(); }

}  // namespace vrek
