#include "assets/builtin_fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace assets {

bool addBuiltInFonts() {
    bool all = true;
    for (const char* path : {":/assets/fonts/HemodynamicsPrint-Regular.ttf",
                             ":/assets/fonts/HemodynamicsPrint-Bold.ttf"}) {
        const QResource resource(QString::fromLatin1(path));
        // Stored uncompressed, so FreeType reads the program's own pages: only the parts of the
        // font that are drawn are ever loaded into memory.
        const bool stored =
            resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression;
        const QByteArray data =
            stored ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                             static_cast<qsizetype>(resource.size()))
                   : QByteArray();
        all = !data.isEmpty() && QFontDatabase::addApplicationFontFromData(data) >= 0 && all;
    }
    return all;
}

}  // namespace assets
