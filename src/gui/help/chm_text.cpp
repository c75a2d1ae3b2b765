// SPDX-License-Identifier: MIT
#include "gui/help/chm_text.hpp"

#include "gui/platform/qt_text.hpp"

#include <QRegularExpression>
#include <QStringDecoder>

namespace rheo {
namespace {

QString declaredCharset(const QByteArray& bytes) {
    // The declaration stands in the head; looking at the first 4 KiB is enough.
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([-\\w.:]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(QString::fromLatin1(bytes.left(4096)));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

bool isWindows1252Family(const QString& name) {
    static const QStringList names = {QStringLiteral("windows-1252"), QStringLiteral("cp1252"),
                                      QStringLiteral("iso-8859-1"),   QStringLiteral("latin1"),
                                      QStringLiteral("iso_8859-1"),   QStringLiteral("us-ascii"),
                                      QStringLiteral("ascii")};
    return names.contains(name);
}

} // namespace

QString decodeChmText(const QByteArray& bytes) {
    const QString charset = declaredCharset(bytes);
    if (charset.isEmpty() || isWindows1252Family(charset))
        return toQt(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    QStringDecoder decoder(charset.toLatin1().constData());
    if (!decoder.isValid())
        return toQt(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    QString text = decoder.decode(bytes);
    return decoder.hasError()
               ? toQt(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
               : text;
}

} // namespace rheo
