// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Fonts.h"

#include <QStringList>

namespace shell {

namespace {
const QString kSong = QStringLiteral("宋体");
}  // namespace

void RegisterFontSubstitutions() {
    static const bool registered = [] {
        QFont::insertSubstitutions(
            kSong, {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei")});
        return true;
    }();
    (void)registered;
}

QFont SongFont(double pointSize) {
    RegisterFontSubstitutions();
    QFont font(kSong);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QFont DefaultWindowFont() {
    return SongFont(9);
}

}  // namespace shell
