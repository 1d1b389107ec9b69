// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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
        QStringEncoder utf16le(QStringConverter::Utf16LE), utf16be(QStringConverter::Utf16BE);
        QTest::newRow("utf-16 le with mark")
            << QByteArray("\xFF\xFE") + QByteArray(utf16le.encode(chinese)) << chinese;
        QTest::newRow("utf-16 be with mark")
            << QByteArray("\xFE\xFF") + QByteArray(utf16be.encode(chinese)) << chinese;
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
        using Status = shell::TextFile::Status;
        shelltest::ProgramFolder folder;
        const auto missing = shell::ReadTextFile(shell::ProgramFile(folder.path(), "无.txt"));
        QCOMPARE(missing.status, Status::Missing);
        folder.write("空.txt", {});
        const auto empty = shell::ReadTextFile(shell::ProgramFile(folder.path(), "空.txt"));
        QCOMPARE(empty.status, Status::Read);
        QCOMPARE(empty.lines, QStringList{});
    }

    // Anything but a regular file is refused at once (a FIFO would block, /dev/zero never
    // ends); above the cap a file is too large.
    void onlyRegularFilesUpToTheCap() {
        using Status = shell::TextFile::Status;
        shelltest::ProgramFolder folder;
        const QString dir = folder.path();
        QVERIFY(QDir(dir).mkdir("目录.txt"));
        QCOMPARE(shell::ReadTextFile(dir + "/目录.txt").status, Status::NotRegular);
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(dir + "/管道.txt").constData(), 0600), 0);
        QCOMPARE(shell::ReadTextFile(dir + "/管道.txt").status, Status::NotRegular);
        QCOMPARE(shell::ReadTextFile("/dev/zero").status, Status::NotRegular);
#endif
        QFile big(dir + "/大.txt");
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(shell::kMaxTextFileBytes + 1));
        QCOMPARE(shell::ReadTextFile(big.fileName()).status, Status::TooLarge);
    }
};

FUNCURVE_TEST(TextFilesTest)
#include "TextFilesTest.moc"
