// SPDX-License-Identifier: MIT
#include "gui/help/chm_contents.hpp"

#include <QHash>
#include <QRegularExpression>

#include <utility>

namespace rheo {
namespace {

QString decodeEntities(const QString& text) {
    static const QHash<QString, QString> named = {{QStringLiteral("amp"), QStringLiteral("&")},
                                                  {QStringLiteral("lt"), QStringLiteral("<")},
                                                  {QStringLiteral("gt"), QStringLiteral(">")},
                                                  {QStringLiteral("quot"), QStringLiteral("\"")},
                                                  {QStringLiteral("apos"), QStringLiteral("'")},
                                                  {QStringLiteral("nbsp"), QString(QChar(0xA0))}};
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|[a-zA-Z]+);"));
    QString result;
    qsizetype copied = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        QString replacement;
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.startsWith(QStringLiteral("#x"), Qt::CaseInsensitive);
            const char32_t code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            replacement = QString::fromUcs4(&code, 1);
        } else {
            replacement = named.value(name, match.captured(0));
        }
        result += text.mid(copied, match.capturedStart() - copied) + replacement;
        copied = match.capturedEnd();
    }
    return result + text.mid(copied);
}

QHash<QString, QString> attributes(const QString& tagBody) {
    static const QRegularExpression attribute(
        QStringLiteral("([\\w-]+)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    QHash<QString, QString> result;
    for (auto it = attribute.globalMatch(tagBody); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString value = match.captured(2);
        if (value.isNull())
            value = match.captured(3);
        if (value.isNull())
            value = match.captured(4);
        result.insert(match.captured(1).toLower(), decodeEntities(value));
    }
    return result;
}

} // namespace

std::vector<ContentsEntry> parseSitemap(const QString& sitemap) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*([a-zA-Z]+)([^>]*)>"));
    QString text = sitemap;
    text.remove(comment);

    std::vector<ContentsEntry> root;
    // The list each nesting level adds to. A list stays put while a deeper level is open,
    // because entries are only added to the innermost one.
    std::vector<std::vector<ContentsEntry>*> levels;
    bool inObject = false;
    bool isSitemapObject = false;
    ContentsEntry entry;

    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("ul") && !closing) {
            std::vector<ContentsEntry>* current = levels.empty() ? &root : levels.back();
            // Below the deepest level the entries stay at it; the level is still counted so
            // that its end tag closes it.
            const bool deeper = levels.size() < kDeepestContentsLevel && !current->empty();
            levels.push_back(levels.empty() || !deeper ? current : &current->back().children);
        } else if (name == QLatin1String("ul")) {
            if (levels.size() > 1)
                levels.pop_back();
        } else if (name == QLatin1String("object") && !closing) {
            const QHash<QString, QString> attrs = attributes(match.captured(3));
            inObject = true;
            isSitemapObject = attrs.value(QStringLiteral("type"))
                                  .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
            entry = ContentsEntry{};
        } else if (name == QLatin1String("param") && inObject && isSitemapObject) {
            const QHash<QString, QString> attrs = attributes(match.captured(3));
            const QString parameter = attrs.value(QStringLiteral("name")).toLower();
            // A sitemap may repeat a parameter; the first one counts.
            if (parameter == QLatin1String("name") && entry.title.isEmpty())
                entry.title = attrs.value(QStringLiteral("value")).trimmed();
            else if (parameter == QLatin1String("local") && entry.local.isEmpty())
                entry.local = attrs.value(QStringLiteral("value")).trimmed();
        } else if (name == QLatin1String("object") && inObject) {
            if (isSitemapObject && !(entry.title.isEmpty() && entry.local.isEmpty()))
                (levels.empty() ? root : *levels.back()).push_back(std::move(entry));
            inObject = false;
        }
    }
    return root;
}

} // namespace rheo
