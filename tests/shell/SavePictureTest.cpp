// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <csignal>

#include "ShellTestSupport.h"
#include "canvas/SvgExport.h"
#include "common/TestRegistry.h"
#include "shell/OutputFile.h"
#include "shell/PalettePng.h"
#include "shell/SavePicture.h"

// Saving the canvas picture (the file dialog replaced), the canvas menu and the window's keys.
class SavePictureTest : public QObject {
    Q_OBJECT

    // Answers every save dialog with the given choice and counts the questions.
    struct DialogAnswer {
        explicit DialogAnswer(shell::SaveChoice choice) {
            previous = shell::SetSaveDialog([this, choice](QWidget*, const QString&) {
                ++asked;
                return choice;
            });
        }
        ~DialogAnswer() { shell::SetSaveDialog(std::move(previous)); }
        shell::SaveDialog previous;
        int asked = 0;
    };

    // Lowers the file size limit as `ulimit -f` does, with SIGXFSZ ignored, so a write past
    // it fails as on a full disk instead of ending the test.
    struct FileSizeLimit {
        explicit FileSizeLimit(rlim_t bytes) {
            ::getrlimit(RLIMIT_FSIZE, &saved);
            previous = std::signal(SIGXFSZ, SIG_IGN);
            rlimit lowered = saved;
            lowered.rlim_cur = std::min(bytes, saved.rlim_max);
            ::setrlimit(RLIMIT_FSIZE, &lowered);
        }
        ~FileSizeLimit() {
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);
        }
        rlimit saved{};
        void (*previous)(int) = nullptr;
    };

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void fileTypeFromExtensionOrFilter_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("svg");
        QTest::newRow("png name, svg type") << "/d/图.png" << 1 << "/d/图.png" << false;
        QTest::newRow("upper-case svg") << "/d/a.SVG" << 0 << "/d/a.SVG" << true;
        QTest::newRow("bare name, svg type") << "/d/a" << 1 << "/d/a.svg" << true;
        QTest::newRow("bare name, png type") << "/d/a" << 0 << "/d/a.png" << false;
        QTest::newRow("other extension") << "/d/a.jpg" << 0 << "/d/a.jpg.png" << false;
    }
    void fileTypeFromExtensionOrFilter() {
        QFETCH(QString, path);
        QFETCH(int, filter);
        const auto target = shell::ResolveSaveTarget({path, shell::PictureFilters()[filter]});
        QTEST(target.path, "written");
        QTEST(target.format == shell::PictureFormat::Svg, "svg");
    }

    // PNG: the clipboard's pixels; SVG: the companion's drawing of the same canvas.
    void savedAsCopiedAndRendered() {
        shelltest::ProgramFolder folder;
        shell::frmFunCurve window(folder.path());
        window.findChild<QPushButton*>("paowu")->click();
        const QString png = QDir(folder.path()).filePath("图");
        {
            DialogAnswer answer({png, shell::PictureFilters()[0]});
            window.SavePlotImage();
        }
        window.CopyPlotImage();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(QImage(png + ".png").convertToFormat(QImage::Format_RGB32),
                 copied.convertToFormat(QImage::Format_RGB32));
        const QString svg = QDir(folder.path()).filePath("图.svg");
        DialogAnswer answer({svg, shell::PictureFilters()[0]});
        window.SavePlotImage();
        QCOMPARE(Read(svg), QByteArray::fromStdString(canvas::ToSvg(window.picture1())));
    }

    // Each colour count at the edge of a pixel width (1, 2, 4, 8 bits) decodes to the same
    // pixels and resolution; beyond 256 colours there is no palette PNG.
    void palettePngKeepsPixels_data() {
        QTest::addColumn<int>("colours");
        for (const int colours : {1, 2, 3, 5, 16, 17, 256, 257})
            QTest::addRow("%d colours", colours) << colours;
    }
    void palettePngKeepsPixels() {
        QFETCH(int, colours);
        QImage picture(37, 11, QImage::Format_RGB32);  // rows that end inside a byte
        picture.setDotsPerMeterX(5000);
        picture.setDotsPerMeterY(4000);
        for (int i = 0; i < picture.width() * picture.height(); ++i)
            picture.setPixel(i % picture.width(), i / picture.width(),
                             qRgb(i % colours % 256, i % colours / 256, 9));
        const auto png = shell::PalettePng(picture);
        QCOMPARE(png.has_value(), colours <= 256);
        if (!png) return;
        const QImage decoded = QImage::fromData(*png, "PNG");
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), picture);
        QCOMPARE(decoded.dotsPerMeterX(), 5000);
        QCOMPARE(decoded.dotsPerMeterY(), 4000);
    }

    // A save that cannot be completed says why in the system's words and leaves what was
    // there: no folder, a size limit reached as on a full disk, a named pipe nobody reads
    // (which stays a pipe: it is written into, never replaced).
    void failedSaveKeepsFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("reason");
        QTest::newRow("missing folder") << "无此文件夹/图.png" << ENOENT;
        QTest::newRow("size limit") << "图.png" << EFBIG;
        QTest::newRow("pipe without reader") << "pipe.png" << ENXIO;
    }
    void failedSaveKeepsFile() {
        QFETCH(QString, name);
        QFETCH(int, reason);
        shelltest::ProgramFolder folder;
        folder.write("图.png", "old");
        const QString path = QDir(folder.path()).filePath(name);
        QVERIFY(::mkfifo(QFile::encodeName(folder.path() + "/pipe.png"), 0600) == 0);
        shelltest::OpenWindow w(folder.path());
        shelltest::MessageRecorder recorder;
        DialogAnswer answer({path, shell::PictureFilters()[0]});
        {
            FileSizeLimit limit(reason == EFBIG ? 64 : RLIM_INFINITY);
            w->SavePlotImage();
        }
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages[0].startsWith(QStringLiteral("无法保存图像")));
        QVERIFY2(recorder.messages[0].endsWith(shell::SystemReason(reason)),
                 qPrintable(recorder.messages[0]));
        QCOMPARE(Read(QDir(folder.path()).filePath("图.png")), QByteArray("old"));
        QVERIFY(!QFileInfo(folder.path() + "/pipe.png").isFile());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                 QDir(folder.path()).entryList(QDir::Files | QDir::System).size());
    }

    void canvasMenuAndKeys() {
        shelltest::ProgramFolder folder;
        folder.write("说明.txt", "help");
        shelltest::OpenWindow w(folder.path());
        QVERIFY(w.showActive());
        auto* menu = w.control<QMenu>("canvasMenu");
        QCOMPARE(menu->actions().size(), 6);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("复制图像"));
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("保存图像…"));
        QCOMPARE(menu->actions()[2]->text(), QStringLiteral("撤销"));
        QVERIFY(menu->actions()[3]->isSeparator());
        QCOMPARE(menu->actions()[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QCOMPARE(menu->actions()[5]->text(), QStringLiteral("数值表…"));

        DialogAnswer answer({});
        QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(answer.asked, 1);
        QTest::keyClick(w.window.get(), Qt::Key_Escape);
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇取消"));
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        QVERIFY(w->helpWindow() != nullptr);

        QLineEdit* equation = w.control<QComboBox>("Combo1")->lineEdit();
        w->activateWindow();
        equation->setFocus();
        equation->setText("y=x");
        QTest::keyClick(equation, Qt::Key_Return);
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇处理完毕！"));
        const auto legend = w->picture4().printedLines();
        w->setFocus();
        QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->picture4().printedLines().size(), legend.size() - 2);
        QTest::keyClick(w.window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w->picture4().printedLines(), legend);
    }
};

FUNCURVE_TEST(SavePictureTest)
#include "SavePictureTest.moc"
