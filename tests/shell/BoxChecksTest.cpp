// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QTest>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "shell/BoxChecks.h"

namespace {
const QString kNotNumber = QStringLiteral("不是数字");
const QString kRangeA = QStringLiteral("a的取值超限：-10 < a < 10 ");
const QString kRangeB = QStringLiteral("b的取值超限：-10 < b < 10 ");
const QString kRangeBox = QStringLiteral("取值超限：-9 < 取值 < 9 ");

// A shown, active window whose messages are recorded, with the text typed into one of its
// boxes after the focus went there.
struct EditedBox {
    EditedBox(const QString& box, const QString& text, Qt::FocusReason reason) : edit(w.box(box)) {
        edit->setFocus(reason);
        edit->setText(text);
    }
    shelltest::ProgramFolder folder;
    shelltest::OpenWindow w{folder.path()};
    const bool active = w.showActive();
    shelltest::MessageRecorder recorder;
    QLineEdit* const edit;
};

}  // namespace

// The checks of the parameter and range boxes: the rules, then the real window's focus.
class BoxChecksTest : public QObject {
    Q_OBJECT

    void addRows() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a 10") << "Text1"
                              << "10" << QStringList{};
        QTest::newRow("a -10") << "Text1"
                               << "-10" << QStringList{};
        QTest::newRow("a 10.5") << "Text1"
                                << "10.5" << QStringList{kRangeA};
        QTest::newRow("a 12") << "Text1"
                              << "12" << QStringList{kRangeA};
        QTest::newRow("a empty") << "Text1"
                                 << "" << QStringList{kNotNumber};
        QTest::newRow("a abc") << "Text1"
                               << "abc" << QStringList{kNotNumber};
        QTest::newRow("a 15x") << "Text1"
                               << "15x" << QStringList{kNotNumber, kRangeA};
        QTest::newRow("a blanks around") << "Text1"
                                         << " 2 " << QStringList{};
        QTest::newRow("b -10.5") << "Text2"
                                 << "-10.5" << QStringList{kRangeB};
        QTest::newRow("b 15x") << "Text2"
                               << "15x" << QStringList{kNotNumber, kRangeB};
        QTest::newRow("x from 9") << "Text4_0"
                                  << "9" << QStringList{};
        QTest::newRow("x to -9") << "Text4_1"
                                 << "-9" << QStringList{};
        QTest::newRow("y from 9.01") << "Text4_2"
                                     << "9.01" << QStringList{kRangeBox};
        QTest::newRow("y to 10") << "Text4_3"
                                 << "10" << QStringList{kRangeBox};
        QTest::newRow("t from abc") << "Text4_4"
                                    << "abc" << QStringList{kNotNumber};
        QTest::newRow("t to 9") << "Text4_5"
                                << "9" << QStringList{};
        QTest::newRow("t to 9.01") << "Text4_5"
                                   << "9.01" << QStringList{kRangeBox};
        QTest::newRow("t to 12") << "Text4_5"
                                 << "12" << QStringList{kRangeBox};
        QTest::newRow("t to empty") << "Text4_5"
                                    << "" << QStringList{kNotNumber};
        QTest::newRow("t to 15x") << "Text4_5"
                                  << "15x" << QStringList{kNotNumber, kRangeBox};
        QTest::newRow("x from full-width") << "Text4_0"
                                           << "\u3000－４．５" << QStringList{};
        QTest::newRow("a full-width 12") << "Text1"
                                         << "１２" << QStringList{kRangeA};
    }

  private slots:
    void rules_data() { addRows(); }
    void rules() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        const auto rule = shell::RuleOfBox(box);
        QVERIFY(rule);
        QCOMPARE(shell::BoxCheckMessages(text, *rule), messages);
    }

    void valueBeyondDoubleIsOutOfRange() {
        const QStringList messages = shell::BoxCheckMessages("1E999", shell::RangeBoxRule());
        QVERIFY(messages.contains(kRangeBox));
    }

    // Leaving a box for another control checks it; a failed check puts the focus back.
    void focusLossInTheWindow_data() { addRows(); }
    void focusLossInTheWindow() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        EditedBox t(box, text, Qt::MouseFocusReason);
        QVERIFY(t.active);
        QWidget* other = t.w.control("cmd坐标系1");
        other->setFocus(Qt::MouseFocusReason);
        shelltest::settle();
        QCOMPARE(t.recorder.messages, messages);
        QCOMPARE(t.edit->text(), text);
        QCOMPARE(QApplication::focusWidget(), messages.isEmpty() ? other : t.edit);
    }

    // Two bad boxes: each focus loss shows the left box's messages once, never a loop.
    void twoBadBoxesDoNotBounce() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        QVERIFY(w.showActive());
        shelltest::MessageRecorder recorder;
        QLineEdit* a = w.box("Text1");
        QLineEdit* b = w.box("Text2");
        a->setText("abc");
        b->setText("15x");
        a->setFocus(Qt::MouseFocusReason);
        b->setFocus(Qt::MouseFocusReason);
        QTest::qWait(50);
        QCOMPARE(recorder.messages, QStringList{kNotNumber});
        QCOMPARE(QApplication::focusWidget(), a);

        recorder.messages.clear();
        b->setFocus(Qt::TabFocusReason);
        QTest::qWait(50);
        QCOMPARE(recorder.messages, QStringList{kNotNumber});
        QCOMPARE(QApplication::focusWidget(), a);

        // Mended, the user reaches the other bad box; leaving it reports it in turn.
        recorder.messages.clear();
        a->setText("2");
        b->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        QVERIFY(recorder.messages.isEmpty());
        w.box("Text4_0")->setFocus(Qt::TabFocusReason);
        QTest::qWait(50);
        QCOMPARE(recorder.messages, (QStringList{kNotNumber, kRangeB}));
        QCOMPARE(QApplication::focusWidget(), b);
    }

    // A real click that leaves a bad box: the check comes first, the focus goes back, and
    // the clicked control does nothing (no preset, no plot, no second message later).
    void clickLeavingABadBoxDoesNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a 99, preset") << "Text1"
                                      << "99"
                                      << "line" << QStringList{kRangeA};
        QTest::newRow("x from abc, draw") << "Text4_0"
                                          << "abc"
                                          << "cmd绘制图像" << QStringList{kNotNumber};
        QTest::newRow("b 15x, other box") << "Text2"
                                          << "15x"
                                          << "Text4_1" << QStringList{kNotNumber, kRangeB};
    }
    void clickLeavingABadBoxDoesNothing() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(QStringList, messages);
        EditedBox t(box, text, Qt::TabFocusReason);
        QVERIFY(t.active);
        const QImage before = t.w->picture1().Image();
        QTest::mouseClick(t.w.control(target), Qt::LeftButton);
        shelltest::settle();
        QCOMPARE(t.recorder.messages, messages);
        QCOMPARE(QApplication::focusWidget(), t.edit);
        QVERIFY(t.w->picture2().printedLines().empty());
        QVERIFY(t.w->picture1().Image() == before);
        QCOMPARE(t.w.control<QLabel>("Label5")->text(), QStringLiteral("◇状态"));
    }

    // Leaving a bad box by pressing quit ends the program without a message.
    void quitFromABadBoxShowsNothing() {
        EditedBox t("Text1", "abc", Qt::MouseFocusReason);
        QVERIFY(t.active);
        t.w.control("Command2")->setFocus(Qt::MouseFocusReason);
        t.w.click("Command2");
        shelltest::settle();
        QCOMPARE(t.w.endings, 1);
        QVERIFY(t.recorder.messages.isEmpty());
        shelltest::OpenWindow again(t.folder.path());  // a real click too
        QVERIFY(again.showActive());
        again.box("Text1")->setText("abc");
        again.box("Text1")->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(again.control("Command2"), Qt::LeftButton);
        QCOMPARE(again.endings, 1);
        QVERIFY(t.recorder.messages.isEmpty());
    }

    // A message box taking the focus away is not a move to another control.
    void windowDeactivationIsNotChecked() {
        EditedBox t("Text1", "abc", Qt::MouseFocusReason);
        QVERIFY(t.active);
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(t.edit, &away);
        shelltest::settle();
        QVERIFY(t.recorder.messages.isEmpty());
    }
};

FUNCURVE_TEST(BoxChecksTest)
#include "BoxChecksTest.moc"
