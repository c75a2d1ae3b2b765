// SPDX-License-Identifier: MIT
#pragma once
// One compiled help file opened through chmlib: its objects (pages, pictures, style sheets)
// by path, and the name of its table of contents.

#include "gui/help/chm_library.hpp"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace rheo {

class ChmArchive {
public:
    // Nothing when the library is not usable, or the path names no ordinary file or one that
    // cannot be opened as a CHM file. chmlib is not safe with a damaged file: open only a
    // file that passed the help file check (help_file_check.hpp).
    static std::unique_ptr<ChmArchive> open(ChmLibrary& library, const QString& filePath);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    const QString& filePath() const { return filePath_; }

    // The object's bytes. Paths inside the file start with "/" (one is added when missing)
    // and match in any letter case.
    std::optional<QByteArray> read(const QString& objectPath) const;
    bool contains(const QString& objectPath) const;

    // The paths of every page, picture and other file stored (not the file's own records).
    QStringList objectPaths() const;

    // Path of the table of contents (the .hhc sitemap), empty when the file has none.
    QString contentsPath() const;
    // The page the file opens on when no page is named, empty when it names none.
    QString defaultTopic() const;
    // The title the file gives itself, empty when it has none.
    QString title() const;

private:
    ChmArchive(ChmLibrary& library, chmFile* file, QString filePath);
    // A string entry of the file's system header.
    QString systemEntry(int code) const;

    ChmLibrary& library_;
    chmFile* file_;
    QString filePath_;
};

// A string entry of a help file's system header (the object "/#SYSTEM"), empty when the
// header has no entry of that code.
QString systemHeaderEntry(const QByteArray& header, int code);

// "RHEO/Welcome.htm", "/RHEO/Welcome.htm" and "RHEO.chm::/RHEO/Welcome.htm" all name the
// object "/RHEO/Welcome.htm".
QString normalizedObjectPath(const QString& path);

} // namespace rheo
