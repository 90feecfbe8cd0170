#include "assets/pictures.h"

#include <QPixmap>
#include <QResource>
#include <algorithm>
#include <cstdint>

#include "assets/jpeg_decoder.h"

#ifdef __linux__
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace assets {

namespace {

#ifdef __linux__
// Whether the bytes lie in a read-only segment of the program or of a library, mapped from its
// file: pages there that leave the program's memory are read from the file again when touched.
bool inReadOnlySegment(std::uintptr_t begin, std::uintptr_t end) {
    struct Search {
        std::uintptr_t begin, end;
        bool found = false;
    } search{begin, end};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* const s = static_cast<Search*>(data);
            for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W)) continue;
                const std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
                if (s->begin >= start && s->end <= start + segment.p_memsz) s->found = true;
            }
            return s->found ? 1 : 0;
        },
        &search);
    return search.found;
}
#endif

// Called when the last image over a picture's plain pixels goes. Drawn once, the title
// window's picture (0.7 MB) would otherwise stay in the program's memory for as long as it
// runs; its whole pages leave it, to be read from the program's file again if it is drawn again.
void letPixelsGo(void* info) {
#ifdef __linux__
    const auto* const file = static_cast<const PictureFile*>(info);
    const QResource resource(QString::fromLatin1(file->resource));
    const auto begin = reinterpret_cast<std::uintptr_t>(resource.data());
    const std::uintptr_t end = begin + std::uintptr_t(resource.size());
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = end / page * page;
    if (resource.data() && last > first && inReadOnlySegment(begin, end))
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
#else
    Q_UNUSED(info);
#endif
}

// Plain pixels of the given size where they lie in the program; null if the resource is missing,
// compressed or of another length.
const uchar* plainPixels(const QResource& resource, QSize size, int bytesPerPixel) {
    const qsizetype bytes = qsizetype(size.width()) * size.height() * bytesPerPixel;
    const bool intact = resource.isValid() &&
                        resource.compressionAlgorithm() == QResource::NoCompression &&
                        resource.size() == bytes;
    return intact ? resource.data() : nullptr;
}

}  // namespace

const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files{
        {Picture::CirculatorySystem,
         ":/assets/circulatory_system.rgb",
         {400, 600},
         PictureFile::Stored::RgbPixels},
        {Picture::Figure1, ":/assets/figure1.jpg", {631, 289}},
        {Picture::Figure2, ":/assets/figure2.jpg", {643, 415}},
        {Picture::Figure3, ":/assets/figure3.jpg", {435, 394}},
        {Picture::Equation2, ":/assets/equation2.jpg", {83, 32}},
        {Picture::Equation3, ":/assets/equation3.jpg", {117, 41}},
        {Picture::Equation4, ":/assets/equation4.jpg", {123, 39}},
        {Picture::Equation5, ":/assets/equation5.jpg", {113, 37}},
        {Picture::Equation6, ":/assets/equation6.jpg", {123, 42}},
        {Picture::Equations7And8, ":/assets/equations7_8.jpg", {99, 121}},
        {Picture::Equations9And10, ":/assets/equations9_10.jpg", {128, 173}},
        {Picture::KhanAcademyLogo, ":/assets/khan_academy_logo.jpg", {300, 300}},
    };
    return files;
}

const PictureFile& pictureFile(Picture picture) {
    const auto& files = pictureFiles();
    const auto it = std::find_if(files.begin(), files.end(),
                                 [picture](const PictureFile& f) { return f.picture == picture; });
    Q_ASSERT(it != files.end());
    return *it;
}

QImage loadPicture(Picture picture) {
    const PictureFile& file = pictureFile(picture);
    const QResource resource(QString::fromLatin1(file.resource));
    if (file.stored == PictureFile::Stored::RgbPixels) {
        const uchar* const pixels = plainPixels(resource, file.size, 3);
        if (!pixels) throw PictureError(std::string("Damaged picture ") + file.resource);
        // Drawn from where the pixels lie in the program, never copied.
        return QImage(pixels, file.size.width(), file.size.height(), file.size.width() * 3,
                      QImage::Format_RGB888, &letPixelsGo, const_cast<PictureFile*>(&file));
    }
    // Decoded where the resource lies in the program, without copying it first.
    const QByteArray data = resource.isValid() ? resource.uncompressedData() : QByteArray();
    if (data.isEmpty()) throw PictureError(std::string("Missing picture ") + file.resource);
    return decodeJpeg(data);
}

QImage iconImage() {
    const QResource resource(QString::fromLatin1(kIconResource));
    const uchar* const pixels = plainPixels(resource, kIconSize, 4);
    if (!pixels) return {};
    // The pixels stay where they lie in the program; the copy is the icon's own.
    return QImage(pixels, kIconSize.width(), kIconSize.height(), kIconSize.width() * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

QIcon applicationIcon() {
    const QImage image = iconImage();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace assets
