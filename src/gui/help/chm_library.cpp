// SPDX-License-Identifier: MIT
#include "gui/help/chm_library.hpp"

#include <dlfcn.h>

#include <utility>

namespace rheo {
namespace {

template <typename Function> bool resolve(void* handle, const char* symbol, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, symbol));
    return function != nullptr;
}

} // namespace

ChmLibrary::ChmLibrary(std::string name) : name_(std::move(name)) {}

ChmLibrary::~ChmLibrary() {
    if (handle_ != nullptr)
        dlclose(handle_);
}

bool ChmLibrary::load() {
    if (handle_ != nullptr)
        return true;
    if (failed_)
        return false;
    ++loadAttempts_;
    handle_ = dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr || !resolveFunctions()) {
        if (handle_ != nullptr)
            dlclose(handle_);
        handle_ = nullptr;
        open = nullptr;
        close = nullptr;
        resolveObject = nullptr;
        retrieveObject = nullptr;
        enumerate = nullptr;
        failed_ = true;
        return false;
    }
    return true;
}

bool ChmLibrary::resolveFunctions() {
    return resolve(handle_, "chm_open", open) && resolve(handle_, "chm_close", close) &&
           resolve(handle_, "chm_resolve_object", resolveObject) &&
           resolve(handle_, "chm_retrieve_object", retrieveObject) &&
           resolve(handle_, "chm_enumerate", enumerate);
}

} // namespace rheo
