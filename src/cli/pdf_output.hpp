// SPDX-License-Identifier: MIT
#pragma once
// A report drawn onto a PDF file. Whether rheo-cli can do this depends on the build: with
// Qt it draws through the same PDF output as the window; without Qt it says so.

#include "core/seams/drawing_surface.hpp"

#include <functional>
#include <string>

namespace rheo::cli {

// Draws the report into `path`; returns the exit status (messages on standard error).
int writePdf(const std::string& path, const std::function<void(DrawingSurface&)>& draw);

} // namespace rheo::cli
