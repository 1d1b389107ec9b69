// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace shell {

// The desktop identity of the window program: desktop entry, icon and AppStream id.
QString DesktopId();

// Installs Qt's own Simplified-Chinese texts (standard buttons, text boxes' context menus,
// file dialogs), whatever the system's language. False when they are not installed.
bool LoadQtChineseTranslations();

// What the window program sets up once before its window: its name (which also names the
// user's data folder, ~/.local/share/funcurve), its desktop identity, Qt's Chinese texts and
// the Song face substitution. Needs the application object.
void PrepareApplication();

}  // namespace shell
