// SPDX-License-Identifier: MIT
#pragma once
// The login name a record of the history is stamped with.

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace rheo {

// The login name of the environment (LOGNAME, else USER), else the name of the user the
// program runs as; empty when none is known.
inline std::string currentLoginName() {
    for (const char* variable : {"LOGNAME", "USER"})
        if (const char* name = std::getenv(variable); name && *name)
            return name;
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    return {};
}

} // namespace rheo
