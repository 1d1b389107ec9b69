// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/FunCurveWindow.h"
#include "shell/MessageBox.h"

// Runs funcurve-cli from a private copy of the program folder, so that the point file it
// writes cannot meet the one of another test program running at the same time; and builds
// the window on a folder of its own for the same clicks.
namespace clitest {

inline const QStringList kDataFiles{QStringLiteral("举例.txt"), QStringLiteral("说明.txt")};

inline bool CopyInto(const QString& from, const QString& to, const QStringList& names) {
    for (const QString& name : names) {
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) return false;
    }
    return true;
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct CliResult {
    int exitCode = -1;
    QByteArray out, err;
};

// funcurve-cli with its data files in a temporary folder; runs happen there.
class CliFolder {
  public:
    bool prepare() {
        return dir_.isValid() && CopyInto(QStringLiteral(FUNCURVE_BIN_DIR), dir_.path(),
                                          kDataFiles + QStringList{QStringLiteral("funcurve-cli")});
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    // Every run starts without the point file of the run before.
    CliResult run(const QStringList& args) const {
        QFile::remove(file(QStringLiteral("CoordinateData.txt")));
        const auto process = start(args);
        return finish(*process);
    }
    // A run that goes on while the caller does something else; temporaryFolder is its TMPDIR.
    std::unique_ptr<QProcess> start(const QStringList& args,
                                    const QString& temporaryFolder = {}) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!temporaryFolder.isEmpty()) env.insert(QStringLiteral("TMPDIR"), temporaryFolder);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(dir_.path());
        process->start(file(QStringLiteral("funcurve-cli")), args);
        return process;
    }
    static CliResult finish(QProcess& process) {
        CliResult result;
        if (!process.waitForFinished(120000)) return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

  private:
    QTemporaryDir dir_;
};

// The window on a fresh program folder, tracing Picture1 as the command does, with its
// messages recorded instead of shown.
class ReferenceWindow {
  public:
    ReferenceWindow() {
        CopyInto(QStringLiteral(FUNCURVE_BIN_DIR), dir_.path(), kDataFiles);
        previous_ = shell::SetMessageHandler([this](const QString& text) { messages << text; });
        window = std::make_unique<shell::frmFunCurve>(dir_.path());
        window->setEndProgram([] {});
    }
    ~ReferenceWindow() {
        window.reset();
        shell::SetMessageHandler(std::move(previous_));
    }
    // "NAME=TEXT" types TEXT into the box or combo NAME; "NAME" clicks the button NAME.
    void act(const QString& action) const {
        const qsizetype eq = action.indexOf(u'=');
        const QString name = eq < 0 ? action : action.left(eq);
        if (eq < 0) {
            window->findChild<QPushButton*>(name)->click();
        } else if (auto* combo = window->findChild<QComboBox*>(name)) {
            combo->setEditText(action.mid(eq + 1));
        } else {
            window->findChild<QLineEdit*>(name)->setText(action.mid(eq + 1));
        }
    }

    std::unique_ptr<shell::frmFunCurve> window;
    QStringList messages;

  private:
    QTemporaryDir dir_;
    shell::MessageHandler previous_;
};

}  // namespace clitest
