// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderRun.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "canvas/View.h"
#include "cli/OutputTarget.h"
#include "shell/BoxChecks.h"
#include "shell/DrawnCurves.h"
#include "shell/FunCurveWindow.h"
#include "shell/MessageBox.h"
#include "shell/PlotPicture.h"
#include "shell/ViewResampler.h"
#include "texts/Texts.h"

namespace cli::render {
namespace {

// A control of the window by its design name; the table of steps only names existing ones.
template <typename Control>
Control& Find(shell::frmFunCurve& window, const std::string& name) {
    auto* control = window.findChild<Control*>(QString::fromStdString(name));
    if (control == nullptr) throw std::logic_error("no control named " + name);
    return *control;
}

// Shows the messages the box's text earns, as the window does when the box is left. True
// when there were none.
bool PassesBoxCheck(const std::string& control, const QString& text) {
    const auto rule = shell::RuleOfBox(QString::fromStdString(control));
    if (!rule) return true;
    const QStringList messages = shell::BoxCheckMessages(text, *rule);
    for (const QString& message : messages)
        shell::ShowMessage(message);
    return messages.isEmpty();
}

// One step; false when it was a box text that failed its check.
bool RunStep(shell::frmFunCurve& window, const Step& step) {
    const QString text = QString::fromStdString(step.text);
    switch (step.kind) {
        case Step::SetBoxText:
            Find<QLineEdit>(window, step.control).setText(text);
            return PassesBoxCheck(step.control, text);
        case Step::SetEquation:
            Find<QComboBox>(window, step.control).setEditText(text);
            break;
        case Step::Press:
            Find<QPushButton>(window, step.control).click();
            break;
        case Step::Trigger:
            Find<QAction>(window, step.control).trigger();
            break;
        case Step::SetView:
            window.plotView().setView(*canvas::ParseView(step.text.c_str()));
            break;
        case Step::EqualUnits:
            window.plotView().setEqualUnits(true);
            break;
    }
    return true;
}

void ReportWriteFailure(const std::string& path, const QString& reason) {
    std::fprintf(stderr, "funcurve-cli render: %s %s: %s\n",
                 texts::Fill(texts::kCliCannotWrite, {}).c_str(), path.c_str(),
                 reason.toLocal8Bit().constData());
}

bool WriteFile(const std::string& path, const QByteArray& bytes) {
    const QString failure = WriteTarget(path, bytes);
    if (!failure.isEmpty()) ReportWriteFailure(path, failure);
    return failure.isEmpty();
}

// One UTF-8 line per printed line, in print order.
QByteArray Lines(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes.append(line.data(), qsizetype(line.size())).append('\n');
    return bytes;
}

// A copy of the point file as the steps so far left it: empty when they wrote none, so that a
// file left by an earlier run never passes for this run's records. A point file whose plot
// could not write every record is copied as it is, and said to be incomplete.
bool CopyPointFile(shell::frmFunCurve& window, const std::string& path, RunOutcome& outcome) {
    const std::string& fault = window.plotState().pointFileFault;
    if (!fault.empty()) {
        outcome.allComplete = false;
        std::fprintf(stderr, "funcurve-cli render: %s\n",
                     texts::Fill(texts::kCliPointsIncomplete, {path, fault}).c_str());
    }
    QFile file(window.pointFilePath());
    if (!file.exists()) return WriteFile(path, {});
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "funcurve-cli render: %s %s: %s\n",
                     texts::Fill(texts::kCliCannotRead, {}).c_str(),
                     file.fileName().toLocal8Bit().constData(),
                     file.errorString().toLocal8Bit().constData());
        return false;
    }
    return WriteFile(path, file.readAll());
}

bool PrintStatus(shell::frmFunCurve& window) {
    return WriteFile("-", Find<QLabel>(window, "Label5").text().toUtf8() + '\n');
}

bool WriteOutput(shell::frmFunCurve& window, const Output& output, RunOutcome& outcome) {
    switch (output.kind) {
        case Output::Png:
            return WriteFile(output.path,
                             shell::PlotPictureBytes(window.worksheet(), shell::PictureFormat::Png,
                                                     output.scale));
        case Output::Svg:
            return WriteFile(output.path, shell::PlotPictureBytes(window.worksheet(),
                                                                  shell::PictureFormat::Svg));
        case Output::Pdf:
            return WriteFile(output.path, shell::PlotPictureBytes(window.worksheet(),
                                                                  shell::PictureFormat::Pdf));
        case Output::Points:
            return CopyPointFile(window, output.path, outcome);
        case Output::Formula:
            return WriteFile(output.path, Lines(window.picture2().printedLines()));
        case Output::Legend:
            return WriteFile(output.path, Lines(window.picture4().printedLines()));
        case Output::KeyPoints:
            return WriteFile(output.path, Lines(shell::KeyPointLines(window.drawingList().items(),
                                                                     window.picture1())));
        case Output::Status:
            return PrintStatus(window);
    }
    return false;
}

}  // namespace

RunOutcome RunJob(shell::frmFunCurve& window, const Job& job) {
    RunOutcome outcome;
    if (job.width > 0) window.plotView().setPictureSize(QSize(job.width, job.height));
    size_t stepsRun = 0;
    // Runs the steps up to the given count; false once a box check has failed.
    const auto runUpTo = [&](size_t count) {
        for (; stepsRun < count && !outcome.stoppedByCheck; ++stepsRun)
            outcome.stoppedByCheck = !RunStep(window, job.steps[stepsRun]);
        return !outcome.stoppedByCheck;
    };
    for (const Output& output : job.outputs) {
        if (!runUpTo(output.afterSteps)) return outcome;
        window.viewResampler().finish();
        outcome.allWritten = WriteOutput(window, output, outcome) && outcome.allWritten;
    }
    runUpTo(job.steps.size());
    return outcome;
}

}  // namespace cli::render
