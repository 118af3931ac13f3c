#pragma once

// Reads the files of a theme directory or theme archive into a store. Theme archives are untrusted:
// every size they claim is capped before it is believed, and nothing is ever written to disk.

#include <QString>
#include <QtGlobal>

namespace KIVQtLib {

class KIVQResourceManagerImpl;
class KIVZipArchive;

namespace themeio {

constexpr qint64 kMaxItemSize = qint64(64) * 1024 * 1024;
constexpr qint64 kMaxArchiveSize = qint64(256) * 1024 * 1024;

// The directory's files under their lower-cased names, every "style.json" into the store's style
// files, the files of the sub-folder "images" as "images/<name>"; other sub-folders and
// "tmpTheme.zip" are left out. False for an empty path or a missing directory.
bool readDirectory(KIVQResourceManagerImpl& store, const QString& path);

// Every item of the archive the same way. An item that does not unzip whole to its recorded size is
// skipped; an item above kMaxItemSize or items above kMaxArchiveSize in all refuse the archive.
bool readArchive(KIVQResourceManagerImpl& store, KIVZipArchive& archive);

} // namespace themeio
} // namespace KIVQtLib
