// SPDX-License-Identifier: MIT
#pragma once
// The table of contents of a help file: the sitemap (.hhc) that lists the pages as
// <OBJECT type="text/sitemap"> entries with "Name" and "Local" parameters in nested lists.

#include <QString>

#include <cstddef>
#include <vector>

namespace rheo {

struct ContentsEntry {
    QString title; // the "Name" parameter
    QString local; // the "Local" parameter: the page, relative to the file's root; may be empty
    std::vector<ContentsEntry> children;
};

// Contents nest at most this deep; the entries of deeper lists are read into the deepest one.
// (The program's own help file nests three levels.)
inline constexpr std::size_t kDeepestContentsLevel = 32;

// Tolerant of the usual sloppiness of sitemaps: any letter case, missing end tags, quoted or
// unquoted attribute values, entities in values. Objects of other types are skipped.
std::vector<ContentsEntry> parseSitemap(const QString& sitemap);

} // namespace rheo
