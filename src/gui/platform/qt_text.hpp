#pragma once
// The program's texts are Windows-1252 bytes; Qt's are Unicode. Every text that crosses
// between the core and a widget goes through these two.

#include <QString>

#include <string>
#include <string_view>

namespace rheo {

QString toQt(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string fromQt(const QString& text);

} // namespace rheo
