#pragma once

// Reads the files of a theme directory or theme archive into a store. Theme archives are untrusted:
// every size they claim is capped before it is believed, and nothing is ever written to disk.

#include "core/Limits.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace KIVQtLib {

class KIVQResourceManagerImpl;
class KIVZipArchive;

namespace themeio {

constexpr qint64 kMaxItemSize = limits::kMaxFileSize;
constexpr qint64 kMaxArchiveSize = limits::kMaxThemeSize;

enum FileRead
{
    FileOk,      // read whole; a file that cannot be opened reads as empty
    FileMissing, // no such file
    FileRefused  // not a regular file (a device, a pipe, a folder), or larger than the limit
};

// The rest of an open file, never more than limit bytes; false, with bytes empty, past the limit.
bool readOpenFile(QFile& file, qint64 limit, QByteArray& bytes);
// A regular file read whole, never more than limit bytes; links are followed.
FileRead readFileBounded(const QString& path, qint64 limit, QByteArray& bytes);
// A document (page, menu) read whole within kMaxItemSize; a refused file reads as empty, with one
// warning naming it.
QByteArray readDocumentFile(const QString& path);

// The directory's files under their lower-cased names, every "style.json" into the store's style
// files, the files of the sub-folder "images" as "images/<name>"; other sub-folders and
// "tmpTheme.zip" are left out. Files held to the archive caps, and links leading out of the directory,
// are left out and reported. False for an empty path or a missing directory.
bool readDirectory(KIVQResourceManagerImpl& store, const QString& path);

// Every item of the archive the same way. An item that does not unzip whole to its recorded size is
// skipped; an item above kMaxItemSize or items above kMaxArchiveSize in all refuse the archive.
// Of items with one name the last counts, as a later entry overrides an earlier one.
bool readArchive(KIVQResourceManagerImpl& store, KIVZipArchive& archive);

} // namespace themeio
} // namespace KIVQtLib
