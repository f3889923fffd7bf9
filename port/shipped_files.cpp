#include "shipped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rp70 {

std::filesystem::path ShippedLanguageFolder() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(RP70_INSTALLED_LANG_DIR));
    if (QFileInfo(installed).isDir()) {
        return QDir::cleanPath(installed).toStdU16String();
    }
    return RP70_SOURCE_LANG_DIR;
}

} // namespace rp70
