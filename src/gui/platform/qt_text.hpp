// SPDX-License-Identifier: MIT
#pragma once
// The program's texts are Windows-1252 bytes; Qt's are Unicode. Every text that crosses
// between the core and a widget goes through these two.

#include <QString>

class QLineEdit;

#include <string>
#include <string_view>

namespace rheo {

QString toQt(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?" (a text field kept to Windows-1252
// never holds one).
std::string fromQt(const QString& text);

// The field takes only characters that the files can hold: a typed or pasted text with any
// other character is not taken, so the field never holds a text that the files would change
// (rheo-cli refuses the same texts).
void keepToWindows1252(QLineEdit& field);

} // namespace rheo
