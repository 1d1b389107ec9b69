// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderRun.h"

#include <QFile>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "canvas/View.h"
#include "cli/OutputTarget.h"
#include "shell/BoxRules.h"
#include "shell/DrawnCurves.h"
#include "shell/HeadlessControls.h"
#include "shell/MessageBox.h"
#include "shell/PlotPicture.h"
#include "shell/RunGuarded.h"
#include "shell/ViewResampler.h"
#include "shell/WindowCore.h"
#include "texts/Texts.h"

namespace cli::render {
namespace {

// The window's menu actions that steps trigger, by their action names.
void Trigger(shell::WindowCore& core, const std::string& action) {
    if (action == "undo") return shell::RunGuarded([&core] { core.undo(); });
    if (action == "redo") return shell::RunGuarded([&core] { core.redo(); });
    // The options are checkable actions: each trigger turns them over.
    if (action == "multicolour") return core.setMulticolour(!core.multicolour());
    if (action == "lightGrid") return core.setLightGrid(!core.lightGrid());
    throw std::logic_error("no action named " + action);
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
bool RunStep(shell::WindowCore& core, shell::HeadlessControls& controls, const Step& step) {
    const QString text = QString::fromStdString(step.text);
    const QString control = QString::fromStdString(step.control);
    switch (step.kind) {
        case Step::SetBoxText:
            controls.setBoxText(control, text);
            return PassesBoxCheck(step.control, text);
        case Step::SetEquation:
            controls.setEquation(text);
            break;
        case Step::Press:
            if (!core.press(control)) throw std::logic_error("no button named " + step.control);
            break;
        case Step::Trigger:
            Trigger(core, step.control);
            break;
        case Step::SetView:
            core.plotView().setView(*canvas::ParseView(step.text.c_str()));
            break;
        case Step::EqualUnits:
            core.plotView().setEqualUnits(true);
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
bool CopyPointFile(shell::WindowCore& core, const std::string& path, RunOutcome& outcome) {
    const std::string& fault = core.plotState().pointFileFault;
    if (!fault.empty()) {
        outcome.allComplete = false;
        std::fprintf(stderr, "funcurve-cli render: %s\n",
                     texts::Fill(texts::kCliPointsIncomplete, {path, fault}).c_str());
    }
    QFile file(core.pointFilePath());
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

bool WriteOutput(shell::WindowCore& core, const shell::HeadlessControls& controls,
                 const Output& output, RunOutcome& outcome) {
    switch (output.kind) {
        case Output::Png:
            return WriteFile(
                output.path,
                shell::PlotPictureBytes(core.worksheet(), shell::PictureFormat::Png, output.scale));
        case Output::Svg:
            return WriteFile(output.path,
                             shell::PlotPictureBytes(core.worksheet(), shell::PictureFormat::Svg));
        case Output::Pdf:
            return WriteFile(output.path,
                             shell::PlotPictureBytes(core.worksheet(), shell::PictureFormat::Pdf));
        case Output::Points:
            return CopyPointFile(core, output.path, outcome);
        case Output::Formula:
            return WriteFile(output.path, Lines(core.picture2().printedLines()));
        case Output::Legend:
            return WriteFile(output.path, Lines(core.picture4().printedLines()));
        case Output::KeyPoints:
            return WriteFile(output.path, Lines(shell::KeyPointLines(core.drawingList().items(),
                                                                     core.picture1())));
        case Output::Status:
            return WriteFile("-", controls.status().toUtf8() + '\n');
    }
    return false;
}

}  // namespace

RunOutcome RunJob(shell::WindowCore& core, shell::HeadlessControls& controls, const Job& job) {
    RunOutcome outcome;
    if (job.width > 0) core.plotView().setPictureSize(QSize(job.width, job.height));
    size_t stepsRun = 0;
    // Runs the steps up to the given count; false once a box check has failed.
    const auto runUpTo = [&](size_t count) {
        for (; stepsRun < count && !outcome.stoppedByCheck; ++stepsRun)
            outcome.stoppedByCheck = !RunStep(core, controls, job.steps[stepsRun]);
        return !outcome.stoppedByCheck;
    };
    for (const Output& output : job.outputs) {
        if (!runUpTo(output.afterSteps)) return outcome;
        core.viewResampler().finish();
        outcome.allWritten = WriteOutput(core, controls, output, outcome) && outcome.allWritten;
    }
    runUpTo(job.steps.size());
    return outcome;
}

}  // namespace cli::render
