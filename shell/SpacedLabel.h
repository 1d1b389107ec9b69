// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <optional>

namespace shell {

// A label of plain text wrapped at its width, top left, whose lines stand so far apart that
// the glyphs of neighbouring lines never touch: at least the font's height, and more when the
// face's glyphs reach beyond its own ascent and descent (as the Song substitutes do).
class SpacedLabel : public QLabel {
    Q_OBJECT
  public:
    SpacedLabel(const QString& text, QWidget* parent);

    // Grows the label downwards when its lines need more than its height.
    void fitHeight();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Lays the lines out from the top and draws them with the painter (nullptr: only
    // measures); returns the height used.
    int layOut(QPainter* painter) const;
    // The ink of the text's glyphs, relative to the baseline: measured again only when the
    // font or the text has changed, not at every paint and layout.
    QRect ink() const;

    mutable QFont inkFont_;
    mutable QString inkText_;
    mutable std::optional<QRect> ink_;
};

}  // namespace shell
