// SPDX-License-Identifier: MIT
#pragma once
// The version the window shows in its About box and both programs print with --version.

namespace rheo {

inline constexpr const char* kVersionText = "RHEO Version 2.02";

} // namespace rheo
