// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "shell/Fonts.h"
#include "shell/PointFileClaim.h"
#include "shell/ProgramFolders.h"
#include "shell/Startup.h"

// The program as installed: data files from the share folder, the point file in the user's
// data folder when the program's folder cannot be written, Qt's own texts in Chinese.
class InstalledTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // bin/ holds nothing but the programs; share/funcurve/ the data. A file beside the
    // program still wins, as in the build tree and a portable folder.
    void dataFilesFromTheShareFolder() {
        shelltest::ProgramFolder root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath("bin") && dir.mkpath("share/funcurve"));
        root.write("share/funcurve/举例.txt", "y=x\r\nr=3\r\n");
        root.write("share/funcurve/说明.txt", "帮助");
        shelltest::OpenWindow w(dir.filePath("bin"));
        auto* combo = w.control<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("y=x"));
        w.click("cmd帮助");
        const QString help = w->helpWindow()->helpText();
        QVERIFY2(help.startsWith(QStringLiteral("帮助\r\n")) &&
                     help.contains(dir.filePath("share/funcurve/举例.txt")),
                 qPrintable(help));

        root.write("bin/举例.txt", "y=2x");
        w->LoadExamples();
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->currentText(), QStringLiteral("y=2x"));
    }

    // Read-only program folders are checked end to end by the package check, as a user.
    void pointFolderBesideProgramWhileWritable() {
        shelltest::ProgramFolder folder;
        QCOMPARE(shell::ChoosePointFolder(folder.path()), folder.path());
        const QString userFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(userFolder).removeRecursively();
        QCOMPARE(shell::ChoosePointFolder(folder.path() + "/无"), userFolder);
        QVERIFY(QFileInfo(userFolder).isDir());
        QCOMPARE(shell::ChoosePointFolder("/usr/bin"), userFolder);  // even when root may write
    }

    // Each window of a folder owns a point file and says so when it is not the first; the
    // first is free again once its window has ended. The help text says where it is.
    void pointFilePerWindow() {
        shelltest::ProgramFolder folder;
        folder.write("说明.txt", "帮助");
        auto first = std::make_unique<shell::PointFileClaim>(folder.path());
        const shell::PointFileClaim second(folder.path());
        QCOMPARE(first->fileName(), QStringLiteral("CoordinateData.txt"));
        QCOMPARE(second.fileName(), QStringLiteral("CoordinateData-2.txt"));
        first.reset();
        QCOMPARE(shell::PointFileClaim(folder.path()).fileName(),
                 QStringLiteral("CoordinateData.txt"));
        shelltest::OpenWindow w(folder.path());
        w->setPointFolder(folder.path(), second.fileName());
        QCOMPARE(w.control<QLabel>("Label5")->text(),
                 QStringLiteral("◇点文件 CoordinateData-2.txt"));
        w.click("cmd帮助");
        QVERIFY(w->helpWindow()->helpText().endsWith(w->pointFilePath() + "\r\n"));
    }

    // Standard buttons and the text boxes' menus in Chinese, the box in the windows' face.
    void qtTextsInChinese() {
        QVERIFY(shell::LoadQtChineseTranslations());
        QString okText;
        QString family;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            okText = box->button(QMessageBox::Ok)->text();
            family = box->font().family();
            box->accept();
        });
        shell::ShowMessage(QStringLiteral("出错"));
        QCOMPARE(okText, QStringLiteral("确定"));
        QCOMPARE(family, shell::DefaultWindowFont().family());

        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        QVERIFY2(texts.join(' ').contains(QStringLiteral("粘贴")), qPrintable(texts.join(' ')));
    }
};

FUNCURVE_TEST(InstalledTest)
#include "InstalledTest.moc"
