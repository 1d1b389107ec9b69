// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "plotter/PlotCommands.h"
#include "presets/Presets.h"
#include "shell/SpacedLabel.h"
#include "shell/WindowFrame.h"

// The main window as designed, its start-up with the examples file, and quitting.
class MainWindowTest : public QObject {
    Q_OBJECT

    static QString CaptionOf(QWidget* control) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
        if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
        if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
        return {};
    }

  private slots:
    void controlsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<bool>("visible");
        QTest::newRow("join") << "cmd连点成线"
                              << "连点成线" << QRect(501, 632, 65, 25) << true;
        QTest::newRow("t to") << "Text4_5"
                              << "2" << QRect(304, 632, 25, 18) << true;
        QTest::newRow("x from") << "Text4_0"
                                << "-5" << QRect(192, 608, 25, 18) << true;
        QTest::newRow("test") << "cmd测试"
                              << "测试" << QRect(192, 520, 49, 17) << false;
        QTest::newRow("help") << "cmd帮助"
                              << "?" << QRect(320, 557, 33, 20) << true;
        QTest::newRow("quit") << "Command2"
                              << "退出(关闭)作图器" << QRect(577, 632, 161, 25) << true;
        QTest::newRow("working") << "txt表达式"
                                 << "！！" << QRect(368, 552, 137, 17) << false;
        QTest::newRow("grid") << "cmd网格线"
                              << "网格线" << QRect(240, 520, 46, 17) << false;
        QTest::newRow("power 1") << "mihanshu1"
                                 << "幂函数1：y=x^a    " << QRect(576, 376, 161, 29) << true;
        QTest::newRow("cot") << "yuqie"
                             << "余切函数：y=a*cot(b*x)" << QRect(704, 531, 81, 29) << false;
        QTest::newRow("exp") << "zhishu"
                             << "指数函数：y=a^x " << QRect(576, 343, 161, 29) << true;
        QTest::newRow("log") << "duishu"
                             << "对数函数：y = Log  x                   a"
                             << QRect(576, 311, 161, 29) << true;
        QTest::newRow("clear") << "qinnchu"
                               << "清除" << QRect(367, 525, 65, 25) << true;
        QTest::newRow("a") << "Text1"
                           << "2" << QRect(584, 96, 33, 18) << true;
        QTest::newRow("b") << "Text2"
                           << "3" << QRect(632, 96, 33, 18) << true;
        QTest::newRow("canvas") << "Picture1"
                                << "" << QRect(8, 8, 560, 512) << true;
        QTest::newRow("unused picture") << "Picture3"
                                        << "" << QRect(720, 88, 33, 25) << false;
        QTest::newRow("pi") << "Label9"
                            << "π≤t≤" << QRect(256, 634, 49, 16) << true;
        QTest::newRow("y between") << "Label6_1"
                                   << "≤y≤" << QRect(312, 610, 33, 16) << true;
        QTest::newRow("status") << "Label5"
                                << "◇状态" << QRect(384, 608, 113, 19) << true;
        QTest::newRow("method 2") << "Label11"
                                  << "方法2" << QRect(672, 104, 41, 17) << true;
        QTest::newRow("version") << "Label7"
                                 << "V 2016.02.25c" << QRect(8, 541, 105, 17) << true;
        QTest::newRow("read-out") << "lblCoordinates"
                                  << "坐标" << QRect(136, 528, 185, 25) << true;
        QTest::newRow("two ways") << "Label4"
                                  << "\n两种画法，方法1通用性强，但慢；方法2的通用性差，但快。"
                                  << QRect(577, 560, 160, 65) << true;
        QTest::newRow("decoration") << "Image1"
                                    << "" << QRect(5, 527, 110, 16) << true;
    }
    void controlsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, pixels);
        QFETCH(bool, visible);
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->show();
        QWidget* control = w.control(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->geometry(), pixels);
        QCOMPARE(control->isVisible(), visible);
        QCOMPARE(CaptionOf(control), caption);
    }

    // Wrapped labels: a clear pixel row between any two lines of glyphs.
    void wrappedLinesDoNotTouch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::newRow("two ways") << "Label4" << 3;
        QTest::newRow("join hint") << "Label12" << 2;
    }
    void wrappedLinesDoNotTouch() {
        QFETCH(QString, name);
        QFETCH(int, lines);
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->show();
        const QImage shot = w->grab(w.control(name)->geometry()).toImage();
        int bands = 0;
        for (int row = 0, inked = 0; row < shot.height(); ++row) {
            int ink = 0;
            for (int col = 0; col < shot.width(); ++col)
                ink |= qGray(shot.pixel(col, row)) < 180;
            bands += ink & ~inked;
            inked = ink;
        }
        QCOMPARE(bands, lines);
    }

    // A label measures its glyphs again when its text changes: after a dash, whose ink
    // reaches less far, it fits the join hint as the designed label does.
    void labelMeasuresItsNewText() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        const QWidget* designed = w.control("Label12");
        shell::SpacedLabel label(QStringLiteral("-"), w.window.get());
        label.setGeometry(QRect(designed->pos(), QSize(designed->width(), 1)));
        label.fitHeight();
        label.setText(w.control<QLabel>("Label12")->text());
        label.fitHeight();
        QCOMPARE(label.geometry(), designed->geometry());
    }

    void windowLooksAsDesigned() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        QCOMPARE(w->size(), QSize(747, 663));
        QVERIFY(!w->windowTitle().isEmpty());
        QCOMPARE(w.control<QTimer>("Timer1")->interval(), 200);
        const int buttons = int(w->findChildren<QPushButton*>().size());
        QCOMPARE(buttons, int(presets::PresetNames().size()) + 11);  // and eleven commands
        // Fonts: Song face resolved to an installed CJK face at the designed sizes.
        auto* combo = w.control<QComboBox>("Combo1");
        QCOMPARE(combo->font().pointSizeF(), 12.0);
        QCOMPARE(w.control("Label5")->font().pointSizeF(), 10.5);
        QVERIFY(QFontInfo(combo->font()).family().contains("UMing") ||
                QFontInfo(combo->font()).family().contains("WenQuanYi"));
        // Colours.
        QCOMPARE(w.box("Text4_3")->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(w.control("Label10")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(combo->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    void startUp_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QStringEncoder gbk("GB18030");
        QTest::newRow("three lines")
            << QByteArray("y=x^2\r\nr=3\r\nxy=4\r\n") << QStringList{"y=x^2", "r=3", "xy=4"};
        QTest::newRow("blank and empty lines")
            << QByteArray("y=x\r\n  \r\n\r\nr=3") << QStringList{"y=x", "  ", "", "r=3"};
        QTest::newRow("gbk") << QByteArray(
                                    gbk.encode(QStringLiteral("y=sin(x)\r\n圆：x^2+y^2=4\r\n")))
                             << QStringList{"y=sin(x)", "圆：x^2+y^2=4"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        const QString longLine = "y=x" + QString("+x").repeated(20000);
        QTest::newRow("line beyond 32767 characters") << longLine.toUtf8() << QStringList{longLine};
    }
    void startUp() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        shelltest::ProgramFolder folder;
        folder.write("举例.txt", file);
        shelltest::OpenWindow w(folder.path());
        auto* combo = w.control<QComboBox>("Combo1");
        QStringList listed;
        for (int i = 0; i < combo->count(); ++i)
            listed << combo->itemText(i);
        QCOMPARE(listed, entries);
        QCOMPARE(combo->currentText(), entries.value(0));
        QVERIFY(!w.control<QTimer>("Timer1")->isActive());
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇状态"));
        QCOMPARE(w->picture1().DrawWidth(), 1);
        QCOMPARE(w->picture1().scaleLeft(), -12.0f);
        QCOMPARE(w->picture1().scaleTop(), 12.0f);
    }

    // A range box left after editing shows the start of its text (the sign of '-4.25').
    void rangeBoxShowsItsStartWhenLeft() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        QVERIFY(w.showActive());
        QLineEdit* from = w.box("Text4_0");
        from->setFocus(Qt::MouseFocusReason);
        from->setText("-4.25");
        w.box("Text4_1")->setFocus(Qt::TabFocusReason);
        QCOMPARE(from->cursorPosition(), 0);
    }

    void missingExamplesFileStartsWithEmptyList() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        QCOMPARE(w.control<QComboBox>("Combo1")->count(), 0);
        QCOMPARE(w.control<QComboBox>("Combo1")->currentText(), QString());
    }

    // The menu bar holds the window's commands; the client area keeps its size; 退出 quits.
    void menuBarHoldsTheCommands_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::newRow("save") << "文件"
                              << "保存图像…";
        QTest::newRow("quit") << "文件"
                              << "退出";
        QTest::newRow("undo") << "编辑"
                              << "撤销";
        QTest::newRow("redo") << "编辑"
                              << "重做";
        QTest::newRow("copy") << "编辑"
                              << "复制图像";
        QTest::newRow("zoom") << "视图"
                              << "放大";
        QTest::newRow("equal") << "视图"
                               << "等比例";
        QTest::newRow("help") << "帮助"
                              << "说明\tF1";
        QTest::newRow("about") << "帮助"
                               << "关于";
    }
    void menuBarHoldsTheCommands() {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        const QSize client = w->size();
        shell::WindowFrame frame(*w.window);
        frame.show();
        QCOMPARE(w->size(), client);
        QAction* found = nullptr;
        for (QAction* title : frame.menuBar()->actions()) {
            if (title->text() != menu) continue;
            for (QAction* action : title->menu()->actions())
                if (action->text() == entry) found = action;
        }
        QVERIFY2(found != nullptr, qPrintable(menu + " " + entry));
        if (entry == "退出") {
            found->trigger();
            QCOMPARE(w.endings, 1);
        }
    }

    void quitEndsOnce() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->show();
        w.click("Command2");
        QCOMPARE(w.endings, 1);
        QVERIFY(w->plotState().blnCancel);
        QVERIFY(!w->isVisible());
        w->close();
        QCOMPARE(w.endings, 1);
    }

    void closingTheWindowQuits() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->show();
        w->close();
        QCOMPARE(w.endings, 1);
        QVERIFY(w->plotState().blnCancel);
    }

    // Quit pressed while a plot runs: the plot stops at its next sample, no legend is added.
    void quitDuringAPlot() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->show();
        w.control<QComboBox>("Combo1")->setEditText("x^2+y^2=9");
        QTimer::singleShot(0, w.window.get(), [&w] { w.click("Command2"); });
        w.click("cmd绘制图像");
        QCOMPARE(w.endings, 1);
        QVERIFY(w->picture4().printedLines().empty());
        w->close();
        QCOMPARE(w.endings, 1);
    }

    // 3000 cancel+draw pairs arrive in one batch while a plot runs. Each draw waits until the
    // cancelled plot before it has returned, so plots never nest; the last one finishes.
    void burstOfCancelAndDrawNeverNestsPlots() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w.control<QComboBox>("Combo1")->setEditText("y=x");
        w.box("Text4_1")->setText("-4");
        plotter::PlotContext& plot = w->plotContext();
        int deepest = 0;
        plot.yield = [&deepest, &plot, yield = plot.yield] {
            deepest = std::max(deepest, plot.state.plotsRunning);
            yield();
        };
        for (int pair = 0; pair < 3000; ++pair) {
            for (const char* name : {"cmd取消", "cmd绘制图像"})
                QMetaObject::invokeMethod(w.control<QPushButton>(name), "click",
                                          Qt::QueuedConnection);
        }
        w.click("cmd绘制图像");
        QCOMPARE(deepest, 1);
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇处理完毕！"));
        QCOMPARE(w->picture4().printedLines(), (std::vector<std::string>{"y=x", "(-5≤x≤-4)"}));
    }

    // The keyboard around a draw: after a mouse click on the draw button the focus is back in
    // the equation box, a refused text selected where its message points; Esc cancels, but
    // with the examples list open it only closes the list.
    void keyboardAroundADraw() {
        shelltest::ProgramFolder folder;
        folder.write("举例.txt", "y=x\r\ny=2x\r\n");
        shelltest::OpenWindow w(folder.path());
        shelltest::MessageRecorder recorder;
        QVERIFY(w.showActive());
        auto* combo = w.control<QComboBox>("Combo1");
        auto* draw = w.control<QPushButton>("cmd绘制图像");
        auto* status = w.control<QLabel>("Label5");
        combo->setEditText("y = x @ 2");
        QTest::mouseClick(draw, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(combo->hasFocus());
        QCOMPARE(combo->lineEdit()->selectedText(), QStringLiteral("@"));
        QTest::keyClick(combo, Qt::Key_Escape);
        QCOMPARE(status->text(), QStringLiteral("◇取消"));

        combo->setEditText("y=x");
        QTest::mouseClick(draw, Qt::LeftButton);
        QCOMPARE(status->text(), QStringLiteral("◇处理完毕！"));
        QVERIFY(combo->hasFocus());
        combo->showPopup();
        QVERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(status->text(), QStringLiteral("◇处理完毕！"));
    }

    void presetButtonsReachThePresets() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        shelltest::MessageRecorder recorder;
        w.click("line");
        QCOMPARE(w->picture2().printedLines(), std::vector<std::string>{"y= 2 x+ 3 "});
        w.box("Text1")->setText("1E39");
        w.click("line");
        QCOMPARE(recorder.messages, QStringList{"出错"});
        recorder.messages.clear();
        w.click("cmd测试");  // hidden, but wired
        QCOMPARE(recorder.messages, QStringList{"-3"});
    }
};

FUNCURVE_TEST(MainWindowTest)
#include "MainWindowTest.moc"
