// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RememberedOptions.h"

#include <QAction>
#include <QSettings>

#include "shell/FunCurveWindow.h"

namespace shell {
namespace {

struct RememberedOption {
    const char* action;  // objectName of the checkable action
    const char* key;     // its QSettings key
};
constexpr RememberedOption kRememberedOptions[] = {
    {"equalUnits", "view/equalUnits"},
    {"multicolour", "view/multicolour"},
    {"lightGrid", "view/lightGrid"},
};

}  // namespace

void RestoreRememberedOptions(frmFunCurve& window) {
    for (const RememberedOption& option : kRememberedOptions) {
        auto* action = window.findChild<QAction*>(QString::fromUtf8(option.action));
        if (action == nullptr) continue;
        const QString key = QString::fromUtf8(option.key);
        if (!action->isChecked() && QSettings().value(key, false).toBool()) action->trigger();
        QObject::connect(action, &QAction::toggled, &window,
                         [key](bool on) { QSettings().setValue(key, on); });
    }
}

}  // namespace shell
