// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PalettePng.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <vector>

namespace shell {
namespace {

constexpr size_t kMaxColours = 256;

// The picture as indexes into its colour table, packed `depth` bits a pixel, rows padded to
// whole bytes as PNG stores them.
struct PackedPicture {
    int width = 0, height = 0, depth = 8;
    std::vector<png_color> table;
    std::vector<png_byte> rows;
    size_t rowBytes = 0;
};

// Index of the colour in the table, added when new; -1 when the table is full.
int IndexOf(std::vector<QRgb>& table, QRgb colour) {
    const auto found = std::find(table.cbegin(), table.cend(), colour);
    if (found != table.cend()) return int(found - table.cbegin());
    if (table.size() == kMaxColours) return -1;
    table.push_back(colour);
    return int(table.size() - 1);
}

// One byte a pixel, row after row, and the colours in order of appearance; none beyond 256.
std::optional<std::vector<uchar>> Indexes(const QImage& image, std::vector<QRgb>& table) {
    std::vector<uchar> indexes(size_t(image.width()) * size_t(image.height()));
    QRgb last = image.pixel(0, 0);
    int lastIndex = IndexOf(table, last);
    uchar* out = indexes.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] != last) {
                last = in[x];
                lastIndex = IndexOf(table, last);
                if (lastIndex < 0) return std::nullopt;
            }
            *out++ = uchar(lastIndex);
        }
    }
    return indexes;
}

std::optional<PackedPicture> Pack(const QImage& image) {
    std::vector<QRgb> colours;
    const auto indexes = Indexes(image, colours);
    if (!indexes) return std::nullopt;
    PackedPicture packed;
    packed.width = image.width();
    packed.height = image.height();
    while (packed.depth > 1 && (size_t(1) << (packed.depth / 2)) >= colours.size())
        packed.depth /= 2;
    for (const QRgb colour : colours)
        packed.table.push_back(
            {png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
    const size_t perByte = size_t(8 / packed.depth);
    packed.rowBytes = (size_t(packed.width) + perByte - 1) / perByte;
    packed.rows.assign(packed.rowBytes * size_t(packed.height), 0);
    for (size_t y = 0; y < size_t(packed.height); ++y) {
        const uchar* in = indexes->data() + y * size_t(packed.width);
        png_byte* out = packed.rows.data() + y * packed.rowBytes;
        for (size_t x = 0; x < size_t(packed.width); ++x) {
            const size_t shift = 8 - size_t(packed.depth) * (x % perByte + 1);
            out[x / perByte] |= png_byte(in[x] << shift);
        }
    }
    return packed;
}

void AppendBytes(png_structp png, png_bytep data, size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void Flush(png_structp) {}

// libpng reports a failure by a long jump back here: nothing between the jump and this frame
// owns a resource but the encoder, which the jump target frees.
bool Encode(const PackedPicture& picture, int dotsPerMeterX, int dotsPerMeterY, QByteArray* bytes) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, bytes, AppendBytes, Flush);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), picture.depth,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, picture.table.data(), int(picture.table.size()));
    if (dotsPerMeterX > 0 && dotsPerMeterY > 0)
        png_set_pHYs(png, info, png_uint_32(dotsPerMeterX), png_uint_32(dotsPerMeterY),
                     PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        png_write_row(png, picture.rows.data() + size_t(y) * picture.rowBytes);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::optional<QByteArray> PalettePng(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return std::nullopt;
    const auto packed = Pack(image);
    if (!packed) return std::nullopt;
    QByteArray bytes;
    if (!Encode(*packed, image.dotsPerMeterX(), image.dotsPerMeterY(), &bytes)) return std::nullopt;
    return bytes;
}

}  // namespace shell
