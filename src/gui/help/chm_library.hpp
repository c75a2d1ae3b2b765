// SPDX-License-Identifier: MIT
#pragma once
// The CHM reader library (chmlib), loaded at run time so that the program starts and runs
// without it. It is loaded on first use and kept until the end; a library that cannot be
// loaded, or lacks one of its functions, is not tried again.

#include <chm_lib.h>

#include <string>

namespace rheo {

class ChmLibrary {
public:
    static constexpr const char* kDefaultName = "libchm.so.1";

    // The name is what dlopen is given; tests pass a name that cannot be found.
    explicit ChmLibrary(std::string name = kDefaultName);
    ~ChmLibrary();
    ChmLibrary(const ChmLibrary&) = delete;
    ChmLibrary& operator=(const ChmLibrary&) = delete;

    // Loads the library and resolves its functions on the first call; true when they can
    // be used. After a failure every later call returns false without trying again.
    bool load();
    bool failed() const { return failed_; }
    // How often dlopen was called: 0 before the first use, 1 ever after.
    int loadAttempts() const { return loadAttempts_; }

    // The functions of the library; valid only after load() returned true.
    using OpenFunction = chmFile* (*)(const char*);
    using CloseFunction = void (*)(chmFile*);
    using ResolveFunction = int (*)(chmFile*, const char*, chmUnitInfo*);
    using RetrieveFunction = LONGINT64 (*)(chmFile*, chmUnitInfo*, unsigned char*, LONGUINT64,
                                           LONGINT64);
    using EnumerateFunction = int (*)(chmFile*, int, CHM_ENUMERATOR, void*);

    OpenFunction open = nullptr;
    CloseFunction close = nullptr;
    ResolveFunction resolveObject = nullptr;
    RetrieveFunction retrieveObject = nullptr;
    EnumerateFunction enumerate = nullptr;

private:
    bool resolveFunctions();

    std::string name_;
    void* handle_ = nullptr;
    bool failed_ = false;
    int loadAttempts_ = 0;
};

} // namespace rheo
