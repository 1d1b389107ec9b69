// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace shell {

// The PNG of an RGB32 picture with at most 256 colours (a canvas has a handful): a colour
// table and as few bits a pixel as the colours need, so it encodes several times faster than
// a true-colour PNG and is smaller, with the same pixels and resolution. None for any other
// picture, or when the encoder fails.
std::optional<QByteArray> PalettePng(const QImage& image);

}  // namespace shell
