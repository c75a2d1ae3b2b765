#include "gui/platform/qt_text.hpp"

#include "core/text/windows1252.hpp"

namespace rheo {

QString toQt(std::string_view bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

std::string fromQt(const QString& text) {
    return utf8ToWindows1252(text.toStdString());
}

} // namespace rheo
