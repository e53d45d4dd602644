// Processor identification. Reported only; no blend is chosen by it.
#include "Abitmap.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>

static bool FeatureBit(int bit) {
    if (__get_cpuid_max(0, nullptr) == 0) return false;
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    return (edx >> bit) & 1;
}
#else
static bool FeatureBit(int) {
    return false;
}
#endif

bool MMXCheck() {
    return FeatureBit(23);
}
bool SSE2Check() {
    return FeatureBit(26);
}
