#include "cli/cli_render_run.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "canvas/SvgExport.h"
#include "shell/FunCurveWindow.h"

namespace cli::render {
namespace {

// A control of the window by its design name; the table of steps only names existing ones.
template <typename Control>
Control& Find(shell::frmFunCurve& window, const std::string& name) {
    auto* control = window.findChild<Control*>(QString::fromStdString(name));
    if (control == nullptr) throw std::logic_error("no control named " + name);
    return *control;
}

void RunStep(shell::frmFunCurve& window, const Step& step) {
    const QString text = QString::fromStdString(step.text);
    switch (step.kind) {
        case Step::SetBoxText:
            Find<QLineEdit>(window, step.control).setText(text);
            break;
        case Step::SetEquation:
            Find<QComboBox>(window, step.control).setEditText(text);
            break;
        case Step::Press:
            Find<QPushButton>(window, step.control).click();
            break;
    }
}

void ReportWriteFailure(const std::string& path, const QString& reason) {
    std::fprintf(stderr, "funcurve-cli render: 无法写入 / cannot write %s: %s\n", path.c_str(),
                 reason.toLocal8Bit().constData());
}

// Replaces the file as a whole: a failed write leaves no half-written file behind.
bool WriteFile(const std::string& path, const QByteArray& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        ReportWriteFailure(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One UTF-8 line per printed line, in print order.
QByteArray Lines(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes.append(line.data(), qsizetype(line.size())).append('\n');
    return bytes;
}

// A copy of the point file as the steps left it; no output when the steps left none.
bool CopyPointFile(const shell::frmFunCurve& window, const std::string& path) {
    const QString source = window.pointFilePath();
    if (!QFileInfo(source).isFile()) {
        std::fprintf(stderr,
                     "funcurve-cli render: 没有点文件，未写 %s / no point file, %s not written\n",
                     path.c_str(), path.c_str());
        return true;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "funcurve-cli render: 无法读取 / cannot read %s: %s\n",
                     source.toLocal8Bit().constData(),
                     file.errorString().toLocal8Bit().constData());
        return false;
    }
    return WriteFile(path, file.readAll());
}

bool PrintStatus(shell::frmFunCurve& window) {
    const QByteArray caption = Find<QLabel>(window, "Label5").text().toUtf8();
    std::fwrite(caption.constData(), 1, size_t(caption.size()), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0;
}

bool WriteOutput(shell::frmFunCurve& window, const Output& output) {
    switch (output.kind) {
        case Output::Png:
            return WriteFile(output.path, PngBytes(window.picture1().renderImage(output.scale)));
        case Output::Svg:
            return WriteFile(output.path,
                             QByteArray::fromStdString(canvas::ToSvg(window.picture1())));
        case Output::Points:
            return CopyPointFile(window, output.path);
        case Output::Formula:
            return WriteFile(output.path, Lines(window.picture2().printedLines()));
        case Output::Legend:
            return WriteFile(output.path, Lines(window.picture4().printedLines()));
        case Output::Status:
            return PrintStatus(window);
    }
    return false;
}

}  // namespace

void RunSteps(shell::frmFunCurve& window, const std::vector<Step>& steps) {
    for (const Step& step : steps)
        RunStep(window, step);
}

bool WriteOutputs(shell::frmFunCurve& window, const std::vector<Output>& outputs) {
    bool allWritten = true;
    for (const Output& output : outputs)
        allWritten = WriteOutput(window, output) && allWritten;
    return allWritten;
}

}  // namespace cli::render
