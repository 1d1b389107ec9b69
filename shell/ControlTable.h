// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRgb>
#include <optional>
#include <vector>

namespace shell {

enum class ControlKind { Button, TextBox, Label, Combo, Picture, Image };

// One control of the main window as designed: name (also its objectName), kind, caption or
// initial text, place and size in twips, font size (0: the window's default font), text
// colour and visibility. Control arrays are named "Name_index", e.g. "Text4_5".
struct ControlLayout {
    const char* name;
    ControlKind kind;
    const char* text;
    int left, top, width, height;  // twips
    double fontPoints = 0;
    std::optional<QRgb> textColour = std::nullopt;
    bool hidden = false;
    bool opaque = false;  // painted on the system window colour instead of the background
};

// The main window's controls in the order of its design (later ones lie on top).
const std::vector<ControlLayout>& MainWindowControls();

// The layout of one control by name; nullptr when there is none.
const ControlLayout* FindControlLayout(const char* name);

// Twips to pixels: 15 twips are one pixel.
int TwipsToPixels(int twips);
QRect TwipsRect(const ControlLayout& layout);

// A picture box's sunken border, in pixels on each side, and the size in twips of the bitmap
// inside a picture box of this outer size.
inline constexpr int kPictureBorder = 2;
constexpr int PictureInnerTwips(int outerTwips) {
    return outerTwips - 2 * kPictureBorder * 15;
}

// Client area of the main window in twips.
inline constexpr int kMainWidthTwips = 11205;
inline constexpr int kMainHeightTwips = 9945;

}  // namespace shell
