// Only in ThreadSanitizer builds: QProcess starts its child with a vfork-style
// clone (CLONE_VM | CLONE_VFORK: the child borrows the parent's memory until it
// execs). The runtime's clone hook (gcc 12) then does its after-fork
// bookkeeping inside the child, that is in the parent's own memory: from the
// first QProcess on, the parent's thread ignores every access (races pass
// unseen) and the next thread it starts ends the process with "starting new
// threads after multi-threaded fork is not supported". Such a clone is handed
// straight to the C library, as it was before the runtime had the hook; the
// child only execs, and the parent's thread waits for it. Any other clone
// still goes through the runtime.
#if defined(__SANITIZE_THREAD__)

#include <dlfcn.h>
#include <sched.h>
#include <sys/types.h>

#include <cstdarg>

extern "C" int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...)
{
    va_list rest;
    va_start(rest, arg);
    pid_t* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    pid_t* childTid = va_arg(rest, pid_t*);
    va_end(rest);

    using Clone = int (*)(int (*)(void*), void*, int, void*, ...);
    static const auto cLibrary =
        reinterpret_cast<Clone>(dlsym(dlopen("libc.so.6", RTLD_LAZY | RTLD_NOLOAD), "clone"));
    static const auto sanitizer = reinterpret_cast<Clone>(dlsym(RTLD_NEXT, "clone"));
    const Clone target = (flags & CLONE_VM) ? cLibrary : sanitizer;
    return target(fn, stack, flags, arg, parentTid, tls, childTid);
}

#endif
