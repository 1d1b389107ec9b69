// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QPlainTextEdit>
#include <QStringEncoder>
#include <QTest>
#include <QWindow>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "shell/HelpWindow.h"
#include "shell/TextFiles.h"

// The help window filled from "说明.txt" at every click.
class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheFileFreshAtEveryClick() {
        shelltest::ProgramFolder folder;
        QStringEncoder gbk("GB18030");
        folder.write("说明.txt", gbk.encode(QStringLiteral("第一行：画图\r\n第二行")));
        shelltest::OpenWindow w(folder.path());
        w->show();
        w.click("cmd帮助");
        shell::frmHelp* help = w->helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Quillmere工作室 提示："));
        QCOMPARE(help->size(), QSize(730, 385));
        // Owned by the main window, as a kind of window that X11 marks as its transient.
        QCOMPARE(help->windowType(), Qt::Dialog);
        QCOMPARE(help->windowHandle()->transientParent(), w->windowHandle());
        QCOMPARE(help->helpText(), QStringLiteral("第一行：画图\r\n第二行\r\n"));
        auto* text1 = help->findChild<QPlainTextEdit*>("Text1");
        QCOMPARE(text1->toPlainText(), QStringLiteral("第一行：画图\n第二行\n"));

        w.click("cmd帮助");
        QCOMPARE(help->helpText(), QStringLiteral("第一行：画图\r\n第二行\r\n"));

        folder.write("说明.txt", QStringLiteral("新的说明").toUtf8());
        help->showMinimized();
        w.click("cmd帮助");
        QCOMPARE(w->helpWindow(), help);
        QVERIFY(!help->isMinimized());
        QCOMPARE(help->helpText(), QStringLiteral("新的说明\r\n"));
    }

    void closedHelpWindowIsMadeAgain() {
        shelltest::ProgramFolder folder;
        folder.write("说明.txt", "help");
        shelltest::OpenWindow w(folder.path());
        w->show();
        w.click("cmd帮助");
        QVERIFY(QTest::qWaitForWindowActive(w->helpWindow()));
        QTest::keyClick(w->helpWindow(), Qt::Key_Escape);  // closes it, as a dialog
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w->helpWindow() == nullptr);
        w.click("cmd帮助");
        QVERIFY(w->helpWindow() != nullptr);
        QCOMPARE(w->helpWindow()->helpText(), QStringLiteral("help\r\n"));
    }

    void emptyFileGivesEmptyText() {
        shelltest::ProgramFolder folder;
        folder.write("说明.txt", {});
        shelltest::OpenWindow w(folder.path());
        w.click("cmd帮助");
        QCOMPARE(w->helpWindow()->helpText(), QString());
    }

    void unreadableFileIsReportedNotFatal() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        shelltest::MessageRecorder recorder;
        w.click("cmd帮助");
        QFile big(QDir(folder.path()).filePath(QStringLiteral("说明.txt")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(shell::kMaxTextFileBytes + 1));
        w.click("cmd帮助");
        QVERIFY(big.remove() && ::mkfifo(QFile::encodeName(big.fileName()), 0600) == 0);
        w.click("cmd帮助");
        QCOMPARE(recorder.messages.size(), 3);
        QVERIFY(recorder.messages[0].contains(QStringLiteral("找不到帮助文件“说明.txt”")));
        QVERIFY(recorder.messages[1].contains(QStringLiteral("“说明.txt”太大")));
        QVERIFY(recorder.messages[2].contains(QStringLiteral("“说明.txt”不是普通文件")));
        QVERIFY(w->helpWindow() == nullptr);
    }

    // The help text shipped with the program reaches the window and covers the essentials.
    void shippedHelpText() {
        shelltest::OpenWindow w(QCoreApplication::applicationDirPath());
        w.click("cmd帮助");
        const QString text = w->helpWindow()->helpText();
        for (const char* topic : {"sp(x,m,n)", "y^2=", "r=", ";y=", "π", "连点成线", "复制图像",
                                  "清除", "sqr(x)", "方法2"}) {
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        }
    }
};

FUNCURVE_TEST(HelpWindowTest)
#include "HelpWindowTest.moc"
