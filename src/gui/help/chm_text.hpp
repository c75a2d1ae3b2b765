// SPDX-License-Identifier: MIT
#pragma once
// Text objects of a help file (pages, style sheets, the table of contents) as Qt text.

#include <QByteArray>
#include <QString>

namespace rheo {

// Help files written on Windows are mostly Windows-1252 and often say nothing about it:
// the bytes are read as Windows-1252 unless the text names another character set
// ("charset=utf-8" in a meta tag, say). ISO-8859-1 is read as Windows-1252, its superset.
QString decodeChmText(const QByteArray& bytes);

} // namespace rheo
