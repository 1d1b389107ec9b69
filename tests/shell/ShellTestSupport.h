// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/FunCurveWindow.h"
#include "shell/MessageBox.h"

namespace shelltest {

// Records every message instead of showing a box, for the life of the recorder.
class MessageRecorder {
  public:
    MessageRecorder() {
        previous_ = shell::SetMessageHandler([this](const QString& text) { messages << text; });
    }
    ~MessageRecorder() { shell::SetMessageHandler(std::move(previous_)); }
    QStringList messages;

  private:
    shell::MessageHandler previous_;
};

// A program folder of its own for one test, with the files the test writes into it.
class ProgramFolder {
  public:
    QString path() const { return dir_.path(); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(QDir(dir_.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void remove(const QString& name) const { QFile::remove(QDir(dir_.path()).filePath(name)); }

  private:
    QTemporaryDir dir_;
};

// The main window on a program folder; quitting counts instead of leaving the event loop.
struct OpenWindow {
    explicit OpenWindow(const QString& folder)
        : window(std::make_unique<shell::frmFunCurve>(folder)) {
        window->setEndProgram([this] { ++endings; });
    }
    shell::frmFunCurve* operator->() const { return window.get(); }
    std::unique_ptr<shell::frmFunCurve> window;
    int endings = 0;

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }
    void click(const QString& name) const { control<QPushButton>(name)->click(); }
    // Shown and active, so that focus changes send their focus events.
    bool showActive() const {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
};

// Lets queued work (the deferred box checks, repaints) run.
inline void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace shelltest
