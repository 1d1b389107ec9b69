// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace shell {

// The program's title: caption of the main window and of every message box.
QString ApplicationTitle();

// Every message of the program goes through here: by default a modal box with the text, an
// OK button, no icon and the application's title. Tests and the command-line companion
// install a handler instead, so that nothing ever waits for a click.
void ShowMessage(const QString& text);

using MessageHandler = std::function<void(const QString& text)>;
// Installs a replacement (an empty handler restores the box); returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace shell
