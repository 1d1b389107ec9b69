// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/FunCurveWindow.h"
#include "shell/PointFileClaim.h"
#include "shell/ProgramFolders.h"
#include "shell/RememberedOptions.h"
#include "shell/Startup.h"
#include "shell/WindowFrame.h"
#include "texts/Texts.h"

namespace {

// Without a display the platform plugin would abort with a cryptic message; say it plainly.
bool HasDisplay() {
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

}  // namespace

// The plotter window: start-up runs in the window's constructor, quitting ends the loop.
// Installed, the data files come from the share folder and, when the programs' folder cannot
// be written, the point file goes to the user's data folder.
int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "funcurve: %s\nfuncurve: %s\n", texts::kNoDisplay.zh,
                     texts::kNoDisplay.en);
        return 2;
    }
    QApplication app(argc, argv);
    shell::PrepareApplication();
    const QString pointFolder = shell::ChoosePointFolder(QCoreApplication::applicationDirPath());
    const shell::PointFileClaim pointFile(pointFolder);  // held while the window runs
    shell::frmFunCurve window(QCoreApplication::applicationDirPath());
    window.setPointFolder(pointFolder, pointFile.fileName());
    shell::RestoreRememberedOptions(window);
    shell::WindowFrame frame(window);
    frame.show();
    return app.exec();
}
