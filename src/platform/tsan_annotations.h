#pragma once

// Hand-offs between threads that go through Qt's own locks (queued calls, the thread pool, futures)
// are invisible to ThreadSanitizer when Qt itself is not instrumented. The sending side marks the
// hand-off with KELVARO_HANDOFF_RELEASE(address) once everything it hands over is written; the
// receiving side calls KELVARO_HANDOFF_ACQUIRE(address) before it reads any of it. Both mark an
// ordering the program already has; in other builds they are nothing.

#if defined(__SANITIZE_THREAD__)
#define KELVARO_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KELVARO_TSAN 1
#endif
#endif

#ifdef KELVARO_TSAN
#include <sanitizer/tsan_interface.h>
#define KELVARO_HANDOFF_RELEASE(address)                                                                     \
    __tsan_release(const_cast<void *>(static_cast<const volatile void *>(address)))
#define KELVARO_HANDOFF_ACQUIRE(address)                                                                     \
    __tsan_acquire(const_cast<void *>(static_cast<const volatile void *>(address)))
#else
#define KELVARO_HANDOFF_RELEASE(address) static_cast<void>(address)
#define KELVARO_HANDOFF_ACQUIRE(address) static_cast<void>(address)
#endif
