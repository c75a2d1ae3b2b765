// SPDX-License-Identifier: MIT
#include "gui/help/chm_archive.hpp"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace rheo {
namespace {

// Codes of the system header's entries.
constexpr int kContentsFileEntry = 0;
constexpr int kDefaultTopicEntry = 2;
constexpr int kTitleEntry = 3;

int readWord(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

} // namespace

QString normalizedObjectPath(const QString& path) {
    QString object = path;
    const qsizetype separator = object.indexOf(QStringLiteral("::"));
    if (separator >= 0)
        object = object.mid(separator + 2);
    if (!object.startsWith(QLatin1Char('/')))
        object.prepend(QLatin1Char('/'));
    return object;
}

std::unique_ptr<ChmArchive> ChmArchive::open(ChmLibrary& library, const QString& filePath) {
    // Only an ordinary file: a pipe or a device would be waited on without end.
    if (!library.load() || !QFileInfo(filePath).isFile())
        return nullptr;
    chmFile* file = library.open(QFile::encodeName(filePath).constData());
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<ChmArchive>(new ChmArchive(library, file, filePath));
}

ChmArchive::ChmArchive(ChmLibrary& library, chmFile* file, QString filePath)
    : library_(library), file_(file), filePath_(std::move(filePath)) {}

ChmArchive::~ChmArchive() {
    library_.close(file_);
}

std::optional<QByteArray> ChmArchive::read(const QString& objectPath) const {
    const QByteArray path = normalizedObjectPath(objectPath).toUtf8();
    chmUnitInfo info{};
    if (library_.resolveObject(file_, path.constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // Help objects are small; anything claiming more than 64 MiB is a damaged file.
    constexpr LONGUINT64 kLargestObject = 64u * 1024u * 1024u;
    if (info.length > kLargestObject)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(info.length), '\0');
    if (info.length == 0)
        return bytes;
    const LONGINT64 got =
        library_.retrieveObject(file_, &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return bytes;
}

bool ChmArchive::contains(const QString& objectPath) const {
    const QByteArray path = normalizedObjectPath(objectPath).toUtf8();
    chmUnitInfo info{};
    return library_.resolveObject(file_, path.constData(), &info) == CHM_RESOLVE_SUCCESS;
}

QString ChmArchive::systemEntry(int code) const {
    const std::optional<QByteArray> header = read(QStringLiteral("/#SYSTEM"));
    return header ? systemHeaderEntry(*header, code) : QString();
}

QString systemHeaderEntry(const QByteArray& header, int code) {
    // A 4-byte version, then entries of a 2-byte code, a 2-byte length and that many bytes
    // of data (strings end with a NUL).
    qsizetype at = 4;
    while (at + 4 <= header.size()) {
        const int entryCode = readWord(header, at);
        const int length = readWord(header, at + 2);
        if (at + 4 + length > header.size())
            break;
        if (entryCode == code) {
            QByteArray text = header.mid(at + 4, length);
            const qsizetype end = text.indexOf('\0');
            if (end >= 0)
                text.truncate(end);
            return QString::fromLatin1(text);
        }
        at += 4 + length;
    }
    return {};
}

QStringList ChmArchive::objectPaths() const {
    QStringList paths;
    library_.enumerate(
        file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* info, void* context) -> int {
            static_cast<QStringList*>(context)->append(QString::fromUtf8(info->path));
            return CHM_ENUMERATOR_CONTINUE;
        },
        &paths);
    return paths;
}

QString ChmArchive::contentsPath() const {
    const QString named = systemEntry(kContentsFileEntry);
    if (!named.isEmpty())
        return normalizedObjectPath(named);
    // Files without the header entry: the first sitemap among the objects.
    for (const QString& path : objectPaths()) {
        if (path.endsWith(QStringLiteral(".hhc"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}

QString ChmArchive::defaultTopic() const {
    const QString topic = systemEntry(kDefaultTopicEntry);
    return topic.isEmpty() ? QString() : normalizedObjectPath(topic);
}

QString ChmArchive::title() const {
    return systemEntry(kTitleEntry);
}

} // namespace rheo
