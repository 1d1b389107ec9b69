#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"
#include "shell/TextFiles.h"

// Reading the program's text files: encodings and line ends.
class TextFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesUtf8AndGbk_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString chinese = QStringLiteral("y=x^2 抛物线");
        QStringEncoder gbk("GB18030");
        QTest::newRow("utf-8") << chinese.toUtf8() << chinese;
        QTest::newRow("utf-8 with mark")
            << QByteArray("\xEF\xBB\xBF") + chinese.toUtf8() << chinese;
        QTest::newRow("gbk") << QByteArray(gbk.encode(chinese)) << chinese;
        QTest::newRow("ascii") << QByteArray("r=3") << QStringLiteral("r=3");
    }
    void decodesUtf8AndGbk() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(shell::DecodeText(bytes), text);
    }

    void splitsLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("three CR LF lines") << "a\r\nb\r\nc\r\n" << QStringList{"a", "b", "c"};
        QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("empty line in the middle") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("blank line kept") << "a\r\n   \r\nb\r\n" << QStringList{"a", "   ", "b"};
        QTest::newRow("LF only") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("CR only") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("one line end") << "\r\n" << QStringList{""};
    }
    void splitsLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(shell::SplitLines(text), lines);
    }

    void missingFileIsNoList() {
        shelltest::ProgramFolder folder;
        QVERIFY(!shell::ReadTextLines(shell::ProgramFile(folder.path(), "无.txt")).has_value());
        folder.write("空.txt", {});
        QCOMPARE(*shell::ReadTextLines(shell::ProgramFile(folder.path(), "空.txt")), QStringList{});
    }
};

FUNCURVE_TEST(TextFilesTest)
#include "TextFilesTest.moc"
