// SPDX-License-Identifier: MIT
#include "gui/platform/qt_text.hpp"

#include "core/text/windows1252.hpp"

#include <QLineEdit>
#include <QValidator>

namespace rheo {

QString toQt(std::string_view bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

std::string fromQt(const QString& text) {
    return utf8ToWindows1252(text.toStdString());
}

namespace {

class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return toWindows1252(input.toStdString(), {}).converted() ? Acceptable : Invalid;
    }
};

} // namespace

void keepToWindows1252(QLineEdit& field) {
    field.setValidator(new Windows1252Validator(&field));
}

} // namespace rheo
