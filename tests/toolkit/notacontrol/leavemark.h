#ifndef BRIMLOW_TESTS_LEAVEMARK_H
#define BRIMLOW_TESTS_LEAVEMARK_H

// A library whose code runs the moment it is loaded: its constructor leaves the
// file "<library>.ran" beside the library. A host that never loads it leaves
// no such file.

#include <cstdio>
#include <dlfcn.h>
#include <string>

namespace {

__attribute__((constructor)) void leaveMark()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&leaveMark), &info) == 0 || !info.dli_fname)
        return;
    if (std::FILE *mark = std::fopen((std::string(info.dli_fname) + ".ran").c_str(), "w"))
        std::fclose(mark);
}

} // namespace

#endif
