// Narrow silencing of known GCC false positives, each around the functions where it fires only.
#pragma once

// GCC 12 at -O3 warns -Wrestrict ("__builtin_memcpy ... may overlap up to 9223372036854775813
// bytes") inside std::string::_M_replace, which assigning a short literal to a string and
// `"literal" + std::string&&` reach once inlined: GCC bugs 105329 and 105651, fixed upstream after
// the 12.2 that Debian 12 ships. The copies are of a literal into a string's own buffer and
// never overlap.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#define RULIFORM_GCC12_STRING_RESTRICT_BEGIN                                                                 \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define RULIFORM_GCC12_STRING_RESTRICT_END _Pragma("GCC diagnostic pop")
#else
#define RULIFORM_GCC12_STRING_RESTRICT_BEGIN
#define RULIFORM_GCC12_STRING_RESTRICT_END
#endif
