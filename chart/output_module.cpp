#include "chart/output_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace chart {

QStringList& outputModuleFolders() {
    static QStringList folders{
        QCoreApplication::applicationDirPath(),
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral(HEMODYNAMICS_MODULE_DIR_FROM_PROGRAM)),
    };
    return folders;
}

const OutputModule* outputModule(QString* error) {
    using Entry = const OutputModule* (*)();
    static const OutputModule* loaded = nullptr;
    if (loaded) return loaded;
    QString why = QStringLiteral("модуль не найден");
    QString tried;
    for (const QString& folder : outputModuleFolders()) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kOutputModuleFile));
        if (!QFileInfo::exists(path)) continue;
        tried = QDir::toNativeSeparators(QDir::cleanPath(path));
        // Kept loaded for the rest of the program's life: QLibrary does not unload it unless
        // asked to.
        QLibrary library(path);
        const auto entry = reinterpret_cast<Entry>(library.resolve(kOutputModuleEntry));
        const OutputModule* const module = entry ? entry() : nullptr;
        if (module && module->version == kOutputModuleVersion) {
            loaded = module;
            return loaded;
        }
        why = module ? QStringLiteral("модуль другой версии") : library.errorString();
    }
    if (error) {
        *error = QStringLiteral("Печать и рисунки SVG недоступны: %1\n%2")
                     .arg(why, tried.isEmpty() ? QString::fromLatin1(kOutputModuleFile) : tried);
    }
    return nullptr;
}

}  // namespace chart
