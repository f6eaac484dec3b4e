#pragma once
// Whether this build runs under AddressSanitizer or UndefinedBehaviorSanitizer (GCC says so with
// __SANITIZE_ADDRESS__, clang through __has_feature).

#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define MONKEY_SANITIZED 1
#endif
#endif

namespace monkey {

#ifdef MONKEY_SANITIZED
inline constexpr bool sanitizedBuild = true;
#else
inline constexpr bool sanitizedBuild = false;
#endif

} // namespace monkey
