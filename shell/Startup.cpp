// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "shell/Fonts.h"

namespace shell {

QString DesktopId() {
    return QStringLiteral("io.github.funcurve.FunCurve");
}

bool LoadQtChineseTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}

void PrepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("funcurve"));
    QGuiApplication::setDesktopFileName(DesktopId());
    LoadQtChineseTranslations();
    RegisterFontSubstitutions();
}

}  // namespace shell
