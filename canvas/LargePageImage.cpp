// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/LargePageImage.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace canvas {
namespace {

constexpr qsizetype kLargePage = qsizetype(2) << 20;
// Below half a large page the rounding would waste more memory than the faults cost.
constexpr qsizetype kSmallest = kLargePage / 2;
// Beyond this an ordinary image says "too large" as it always did.
constexpr qsizetype kLargest = qsizetype(1) << 30;

void FreePixels(void* pixels) {
    std::free(pixels);
}

}  // namespace

QImage NewImage(QSize size, QImage::Format format) {
#if defined(MADV_HUGEPAGE)
    const bool fourBytes = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                           format == QImage::Format_ARGB32_Premultiplied;
    if (fourBytes && size.width() > 0 && size.height() > 0) {
        const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
        const qsizetype bytes = bytesPerLine * size.height();
        if (bytes >= kSmallest && bytes <= kLargest) {
            const qsizetype rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
            if (void* pixels = std::aligned_alloc(kLargePage, rounded)) {
                ::madvise(pixels, rounded, MADV_HUGEPAGE);  // a refusal leaves small pages
                return QImage(static_cast<uchar*>(pixels), size.width(), size.height(),
                              bytesPerLine, format, FreePixels, pixels);
            }
        }
    }
#endif
    return QImage(size, format);
}

}  // namespace canvas
