#include "units/sqlcipherlocking.h"

#include <dlfcn.h>
#include <link.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <sys/mman.h>

namespace {

// Address range of SQLCipher's code, found once.
struct CodeRange
{
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    bool contains(const void *address) const
    {
        const auto a = reinterpret_cast<std::uintptr_t>(address);
        return a >= begin && a < end;
    }
};

int findSqlcipher(dl_phdr_info *info, size_t, void *data)
{
    if (!info->dlpi_name || !std::strstr(info->dlpi_name, "libsqlcipher"))
        return 0;
    auto *range = static_cast<CodeRange *>(data);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD || !(segment.p_flags & PF_X))
            continue;
        range->begin = info->dlpi_addr + segment.p_vaddr;
        range->end = range->begin + segment.p_memsz;
        return 1;
    }
    return 0;
}

bool calledFromSqlcipher(const void *caller)
{
    static const CodeRange range = [] {
        CodeRange r;
        dl_iterate_phdr(findSqlcipher, &r);
        return r;
    }();
    return range.contains(caller);
}

using LockCall = int (*)(const void *, size_t);

LockCall libraryCall(const char *name)
{
    return reinterpret_cast<LockCall>(dlsym(RTLD_NEXT, name));
}

int forward(LockCall call, const void *address, size_t length)
{
    if (!call) {
        errno = ENOSYS;
        return -1;
    }
    return call(address, length);
}

} // namespace

extern "C" {

int mlock(const void *address, size_t length)
{
    if (calledFromSqlcipher(__builtin_return_address(0)))
        return 0;
    static const LockCall call = libraryCall("mlock");
    return forward(call, address, length);
}

int munlock(const void *address, size_t length)
{
    if (calledFromSqlcipher(__builtin_return_address(0)))
        return 0;
    static const LockCall call = libraryCall("munlock");
    return forward(call, address, length);
}

} // extern "C"

bool sqlcipherlocking::interposed()
{
    LockCall inProcess = reinterpret_cast<LockCall>(dlsym(RTLD_DEFAULT, "mlock"));
    return inProcess == &mlock;
}
