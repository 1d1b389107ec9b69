// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace canvas {

// An uninitialised 32-bit image whose pixels lie in large pages where the system offers them.
// A fresh picture of a megabyte or more is then mapped at its first write in a few steps
// instead of one page fault per 4 KiB, which on virtual machines costs more than painting it.
// Small or unusual images are ordinary ones.
QImage NewImage(QSize size, QImage::Format format);

}  // namespace canvas
