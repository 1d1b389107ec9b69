// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowCore.h"

#include <QCoreApplication>
#include <QTimer>

#include "canvas/Palette.h"
#include "plotter/PlotCommands.h"
#include "presets/Presets.h"
#include "script/ExactPower.h"
#include "shell/ControlTable.h"
#include "shell/Fonts.h"
#include "shell/MessageBox.h"
#include "shell/PointFileClaim.h"
#include "shell/ProgramFolders.h"
#include "shell/RunGuarded.h"
#include "shell/TextFiles.h"
#include "shell/ViewResampler.h"
#include "texts/Texts.h"

namespace shell {
namespace {

const QString kExamplesFile = QStringLiteral("举例.txt");
const QString kWorkingBox = QStringLiteral("txt表达式");

// The bitmap of a picture box inside its border, in the window's font and text colour.
std::unique_ptr<canvas::Canvas> MakePicture(const char* name) {
    const ControlLayout& layout = *FindControlLayout(name);
    auto picture = std::make_unique<canvas::Canvas>(
        PictureInnerTwips(layout.width), PictureInnerTwips(layout.height), QColor(255, 255, 255));
    picture->setFont(DefaultWindowFont());
    if (layout.textColour) picture->setForeColor(*layout.textColour);
    return picture;
}

QString RangeBox(int index) {
    return QStringLiteral("Text4_%1").arg(index);
}

QString ParameterBox(bool a) {
    return a ? QStringLiteral("Text1") : QStringLiteral("Text2");
}

}  // namespace

WindowCore::WindowCore(QString programFolder, WindowControls controls, QObject* parent)
    : QObject(parent),
      programFolder_(std::move(programFolder)),
      controls_(std::move(controls)),
      picture1_(MakePicture("Picture1")),
      picture2_(MakePicture("Picture2")),
      picture4_(MakePicture("Picture4")),
      drawing_(std::make_unique<canvas::DrawingList>(*picture1_, *picture2_, *picture4_)),
      engine_(std::make_unique<script::ScriptEngine>()) {
    RegisterFontSubstitutions();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(200);
    buildContexts();
    buildCommands();
    connect(timer1_, &QTimer::timeout, this,
            [this] { RunGuarded([this] { plotter::AnimateStatus(*plotContext_); }); });
    resampler_ = new ViewResampler(*drawing_, *picture1_,
                                   {[this] { redrawItems(); }, [this] { plotContext_->yield(); },
                                    [this] { return plotState_.plotsRunning > 0 || stopped_; }},
                                   this);
    plotView_ = std::make_unique<PlotView>(*picture1_, frame_, [this] { redrawPicture(); });
}

WindowCore::~WindowCore() = default;

std::string WindowCore::boxText(const QString& box) const {
    return controls_.boxText(box).toStdString();
}

void WindowCore::buildContexts() {
    plotContext_ = std::make_unique<plotter::PlotContext>(plotter::PlotContext{
        *picture1_,
        *picture4_,
        *engine_,
        plotState_,
        [this] { return controls_.equationText().toStdString(); },
        [this](int index) { return boxText(RangeBox(index)); },
        [this] { return boxText(kWorkingBox); },
        [this](const std::string& text) {
            controls_.setBoxText(kWorkingBox, QString::fromStdString(text));
        },
        [this](const std::string& text) { controls_.setStatus(QString::fromStdString(text)); },
        [this](bool on) { on ? timer1_->start() : timer1_->stop(); },
        [this](bool on) { controls_.setDrawEnabled(on); },
        [this] {
            clicks_.runReady();
            QCoreApplication::processEvents();
        },
        programFolder_.toStdString(),
        [](const std::string& text) { ShowMessage(QString::fromStdString(text)); },
        [](int number) { return RuntimeErrorText(number).toStdString(); },
    });
    plotContext_->selectInEquation = [this](std::size_t offset, std::size_t length) {
        if (controls_.selectInEquation) controls_.selectInEquation(offset, length);
    };
    plotContext_->shownView = [this] { return frame_.view; };
    plotContext_->parameterText = [this](int index) { return boxText(ParameterBox(index == 0)); };
    presetContext_ = std::make_unique<presets::PresetContext>(presets::PresetContext{
        *picture1_,
        *picture2_,
        presetFields_,
        [this] { return boxText(ParameterBox(true)); },
        [this] { return boxText(ParameterBox(false)); },
        [](const std::string& text) { ShowMessage(QString::fromStdString(text)); },
        [this](presets::ParameterBox which) {
            if (controls_.focusBox)
                controls_.focusBox(ParameterBox(which == presets::ParameterBox::A));
        },
    });
}

void WindowCore::buildCommands() {
    using canvas::ItemKind;
    using Kind = ClickQueue::Kind;
    plotter::PlotContext& plot = *plotContext_;
    const auto command = [this](const char* button, Kind kind, std::function<void()> action) {
        commands_.push_back({QString::fromUtf8(button), kind, std::move(action)});
    };
    command("cmd绘制图像", Kind::Draws,
            [this, draw = asItem(ItemKind::TypedPlot, [&plot] { plotter::DrawEquation(plot); })] {
                draw();
                if (controls_.afterDraw) controls_.afterDraw();
            });
    command("cmd取消", Kind::Other, [&plot] { plotter::CancelDrawing(plot); });
    command("cmd连点成线", Kind::Draws,
            asItem(ItemKind::Join, [&plot] { plotter::JoinPlottedPoints(plot); }));
    command("cmd测试", Kind::Other,
            [this] { ShowMessage(QString::fromStdString(script::TestPowerFunction(*engine_))); });
    command("cmd坐标系1", Kind::Other, asItem(ItemKind::CoordinateSystem1, [this] {
                canvas::DrawCoordinateSystem1(*picture1_, frame_);
            }));
    command("cmd坐标系2", Kind::Other, asItem(ItemKind::CoordinateSystem2, [this] {
                canvas::DrawCoordinateSystem2(*picture1_, frame_);
            }));
    command("cmd网格线", Kind::Other,
            asItem(ItemKind::Grid, [this] { canvas::DrawGrid(*picture1_); }));
    command("qinnchu", Kind::Other, [this] { clearPlot(); });
    for (std::string_view name : presets::PresetNames()) {
        commands_.push_back(
            {QString::fromUtf8(name.data(), qsizetype(name.size())), Kind::Draws,
             asItem(
                 ItemKind::Preset, [this, name] { presets::RunPreset(name, *presetContext_); },
                 std::string(name))});
    }
}

void WindowCore::click(const Command& command, std::function<bool()> stillEnabled) {
    clicks_.click(command.kind, [action = command.action, stillEnabled = std::move(stillEnabled)] {
        if (!stillEnabled || stillEnabled()) RunGuarded(action);
    });
}

bool WindowCore::press(const QString& button) {
    for (const Command& command : commands_) {
        if (command.button != button) continue;
        click(command);
        return true;
    }
    return false;
}

std::function<void()> WindowCore::asItem(canvas::ItemKind kind, std::function<void()> action,
                                         std::string preset) {
    return [this, kind, action = std::move(action), preset = std::move(preset)] {
        const bool drawnAgain = kind == canvas::ItemKind::TypedPlot || !preset.empty();
        canvas::DrawingList::Scope item(*drawing_, kind,
                                        drawnAgain ? recipe(preset) : canvas::Recipe{});
        if (drawnAgain && multicolour_) {
            drawInCurveColour(action);
        } else {
            action();
        }
        // Drawn in a view of its own, a curve is sampled again for its pixels.
        if (drawnAgain) resampler_->schedule();
    };
}

size_t WindowCore::curvesSinceClear() const {
    size_t curves = 0;
    const auto items = drawing_->items();
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        curves +=
            item->kind == canvas::ItemKind::TypedPlot || item->kind == canvas::ItemKind::Preset;
        if (item->layers[size_t(canvas::Surface::Plot)].erases) break;
    }
    return curves;
}

void WindowCore::drawInCurveColour(const std::function<void()>& action) {
    struct Restore {
        WindowCore& w;
        QRgb plot, preset, legend, formula;
        ~Restore() {
            w.plotContext_->curveColour = plot;
            w.presetContext_->dotColour = preset;
            w.picture4_->setForeColor(legend);
            w.picture2_->setForeColor(formula);
        }
    } restore{*this, plotContext_->curveColour, presetContext_->dotColour, picture4_->ForeColor(),
              picture2_->ForeColor()};
    const QRgb colour = canvas::CurveColour(curvesSinceClear());
    plotContext_->curveColour = presetContext_->dotColour = colour;
    picture4_->setForeColor(colour);
    picture2_->setForeColor(colour);
    action();
}

canvas::Recipe WindowCore::recipe(std::string preset) const {
    canvas::Recipe recipe;
    recipe.equation = controls_.equationText().toStdString();
    for (int i = 0; i < int(recipe.ranges.size()); ++i)
        recipe.ranges[size_t(i)] = boxText(RangeBox(i));
    recipe.preset = std::move(preset);
    recipe.a = boxText(ParameterBox(true));
    recipe.b = boxText(ParameterBox(false));
    return recipe;
}

void WindowCore::start() {
    canvas::DrawingList::Scope item(*drawing_, canvas::ItemKind::PlainFrame);
    canvas::ResetPlotFrame(*picture1_, frame_);
    loadExamples();
    timer1_->stop();
    controls_.setStatus(QString::fromUtf8(texts::kStatusIdle));
    double xFactor = 1, yFactor = 1;
    canvas::SetupCanvas(*picture1_, xFactor, yFactor);
    // The window's own drawing (its background) is repainted from a kept image anyway.
    picture1_->setDrawWidth(1);
}

void WindowCore::stop() {
    stopped_ = true;
    plotState_.blnCancel = true;  // a plot still running stops at its next sample
    clicks_.clear();
}

void WindowCore::loadExamples() {
    // A missing or empty examples file leaves an empty list; the program still starts.
    const TextFile examples = ReadTextFile(ProgramFile(programFolder_, kExamplesFile));
    if (examples.status == TextFile::Status::TooLarge) ShowMessage(TooLargeMessage(kExamplesFile));
    controls_.setExamples(examples.lines);
}

QString WindowCore::pointFilePath() const {
    return QString::fromStdString(plotter::PointFilePath(*plotContext_));
}

void WindowCore::setPointFolder(const QString& folder, const QString& fileName) {
    plotContext_->pointFolder = folder.toStdString();
    plotContext_->pointFileName = fileName.toStdString();
    if (fileName != PointFileName(1))
        controls_.setStatus(QString::fromUtf8(texts::kStatusOwnPointFile).arg(fileName));
}

void WindowCore::clearPlot() {
    plotter::CancelDrawing(*plotContext_);
    canvas::DrawingList::Scope item(*drawing_, canvas::ItemKind::Clear);
    picture1_->Cls();
    picture2_->Cls();
    picture4_->Cls();
    canvas::ResetPlotFrame(*picture1_, frame_);
}

void WindowCore::undo() {
    if (plotState_.plotsRunning > 0) plotter::CancelDrawing(*plotContext_);
    drawing_->undo();
    resampler_->schedule();
}

void WindowCore::redo() {
    if (plotState_.plotsRunning > 0) plotter::CancelDrawing(*plotContext_);
    drawing_->redo();
    resampler_->schedule();
}

void WindowCore::redrawItems() {
    drawing_->redrawPlot([this](const canvas::DrawnItem& item) { return drawItemAgain(item); });
}

void WindowCore::redrawPicture() {
    redrawItems();
    resampler_->schedule();
}

bool WindowCore::drawItemAgain(const canvas::DrawnItem& item) {
    using canvas::ItemKind;
    switch (item.kind) {
        case ItemKind::PlainFrame:
        case ItemKind::Clear:
            canvas::ResetPlotFrame(*picture1_, frame_);
            return true;
        case ItemKind::CoordinateSystem1:
            canvas::DrawCoordinateSystem1(*picture1_, frame_);
            return true;
        case ItemKind::CoordinateSystem2:
            canvas::DrawCoordinateSystem2(*picture1_, frame_);
            return true;
        case ItemKind::Grid:
            canvas::DrawGrid(*picture1_);
            return true;
        case ItemKind::TypedPlot:
        case ItemKind::Preset:
            return resampler_->drawAgain(item);
        case ItemKind::Join:
        case ItemKind::Other:
            break;
    }
    return false;
}

}  // namespace shell
