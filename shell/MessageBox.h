// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace shell {

// The program's title: caption of the main window and of every message box.
QString ApplicationTitle();

// Every message of the program goes through here: to the installed handler when there is
// one, else to the presenter (the window program's modal box, see UseMessageBoxes). Tests
// and the command-line companion install a handler, so that nothing ever waits for a click.
void ShowMessage(const QString& text);

using MessageHandler = std::function<void(const QString& text)>;
// Installs a replacement (an empty handler restores the presenter); returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);
// How messages are shown when no handler is installed; without one they go to stderr.
void SetMessagePresenter(MessageHandler presenter);

}  // namespace shell
