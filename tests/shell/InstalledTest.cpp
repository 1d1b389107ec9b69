#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "shell/Fonts.h"
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
        QCOMPARE(w->helpWindow()->helpText(), QStringLiteral("帮助\r\n"));

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
