// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OffscreenPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include "cli/InterruptCleanup.h"

namespace cli::render {

OffscreenPluginOnly::OffscreenPluginOnly() {
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != u"offscreen" ||
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        return;
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqoffscreen.so");
    const sigset_t terminating = TerminatingSignals();
    held_ = ::sigprocmask(SIG_BLOCK, &terminating, &previousMask_) == 0;
    auto folder =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/funcurve-qpa-XXXXXX"));
    // Anything unusual (no such plugin, no folder) leaves Qt's own search.
    if (!held_ || !folder->isValid() || !QFile::link(plugin, folder->filePath(u"plugin.so"_qs)))
        return;
    qputenv("QT_QPA_PLATFORM_PLUGIN_PATH", QFile::encodeName(folder->path()));
    QCoreApplication::setLibraryPaths({});
    folder_ = std::move(folder);
}

OffscreenPluginOnly::~OffscreenPluginOnly() {
    if (folder_) qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    folder_.reset();
    if (held_) ::sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace cli::render
