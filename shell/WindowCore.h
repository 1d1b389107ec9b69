// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/DrawingList.h"
#include "canvas/Frame.h"
#include "plotter/PlotContext.h"
#include "presets/PresetContext.h"
#include "script/ScriptEngine.h"
#include "shell/ClickQueue.h"
#include "shell/PlotView.h"
#include "shell/Worksheet.h"

class QTimer;

namespace shell {

class ViewResampler;

// What the window's operations read and write of its controls: the window's widgets, or
// plain texts where nothing is shown (funcurve-cli). Boxes go by their design names ("Text1",
// "Text2", "Text4_0" .. "Text4_5", "txt表达式").
struct WindowControls {
    std::function<QString(const QString& box)> boxText;
    std::function<void(const QString& box, const QString& text)> setBoxText;
    std::function<QString()> equationText;                         // Combo1's text
    std::function<void(const QStringList& examples)> setExamples;  // Combo1's list
    std::function<void(const QString& text)> setStatus;            // Label5
    std::function<void(bool on)> setDrawEnabled;                   // cmd绘制图像
    // Optional: bytes of the equation a failed plot points at; a parameter box to edit; what
    // follows a finished draw.
    std::function<void(std::size_t offset, std::size_t length)> selectInEquation;
    std::function<void(const QString& box)> focusBox;
    std::function<void()> afterDraw;
};

// The main window without its controls: the plot canvas and the two text surfaces, the
// drawing list, the plots and presets with their contexts, the view and its re-sampling, and
// the operations of the buttons that draw. The window shows it; funcurve-cli drives it alone.
class WindowCore : public QObject {
  public:
    // A button the core answers: its design name, how its click queues, what it does.
    struct Command {
        QString button;
        ClickQueue::Kind kind;
        std::function<void()> action;
    };

    // programFolder holds "举例.txt" and the point file. The pictures are blank until start().
    WindowCore(QString programFolder, WindowControls controls, QObject* parent = nullptr);
    ~WindowCore() override;

    // The start-up sequence: plain frame, examples list, timer off, status caption, canvas
    // frame again.
    void start();
    // Stops for good: a running plot ends at its next sample, queued clicks are dropped and
    // no re-sampling starts any more.
    void stop();
    bool stopped() const { return stopped_; }

    canvas::Canvas& picture1() { return *picture1_; }
    canvas::Canvas& picture2() { return *picture2_; }
    canvas::Canvas& picture4() { return *picture4_; }
    canvas::FrameState& frameState() { return frame_; }
    canvas::DrawingList& drawingList() { return *drawing_; }
    const canvas::DrawingList& drawingList() const { return *drawing_; }
    plotter::PlotState& plotState() { return plotState_; }
    plotter::PlotContext& plotContext() { return *plotContext_; }
    script::ScriptEngine& engine() { return *engine_; }
    PlotView& plotView() { return *plotView_; }
    ViewResampler& viewResampler() { return *resampler_; }
    const QString& programFolder() const { return programFolder_; }
    QString pointFilePath() const;
    // See frmFunCurve::setPointFolder.
    void setPointFolder(const QString& folder, const QString& fileName);

    // The buttons that plot, draw and test, with the presets.
    const std::vector<Command>& commands() const { return commands_; }
    // A click on a command's button: queued behind a running plot as the window's clicks are,
    // run guarded; stillEnabled (when given) is asked when it runs.
    void click(const Command& command, std::function<bool()> stillEnabled = {});
    // The click on the command of this button name; false when no command has that name.
    bool press(const QString& button);

    void loadExamples();
    void clearPlot();
    void undo();
    void redo();
    void setMulticolour(bool on) { multicolour_ = on; }
    bool multicolour() const { return multicolour_; }
    void setLightGrid(bool on) { lightGrid_ = on; }
    bool lightGrid() const { return lightGrid_; }
    Worksheet worksheet() const { return {*picture1_, *picture2_, *picture4_, lightGrid_}; }

  private:
    void buildContexts();
    void buildCommands();
    // The action, run as one item of the drawing list.
    std::function<void()> asItem(canvas::ItemKind kind, std::function<void()> action,
                                 std::string preset = {});
    // The box texts a typed plot or a preset is drawn from.
    canvas::Recipe recipe(std::string preset) const;
    // Typed curves and presets shown since the canvas was last cleared.
    size_t curvesSinceClear() const;
    // Runs a curve's action in its palette colour (dots and text lines), then restores them.
    void drawInCurveColour(const std::function<void()>& action);
    std::string boxText(const QString& box) const;
    // The canvas drawn again in the frame's view, and its curves sampled again for it.
    void redrawPicture();
    // Every item drawn again in the frame's view, with the points sampled for it so far.
    void redrawItems();
    // Draws a frame item (plain frame, coordinate system, grid, clear) or a curve sampled
    // again in the view of now; false for items drawn again from their user coordinates.
    bool drawItemAgain(const canvas::DrawnItem& item);

    QString programFolder_;
    WindowControls controls_;
    std::unique_ptr<canvas::Canvas> picture1_, picture2_, picture4_;
    std::unique_ptr<canvas::DrawingList> drawing_;
    canvas::FrameState frame_;
    plotter::PlotState plotState_;
    ClickQueue clicks_{plotState_};
    presets::PresetFields presetFields_;
    std::unique_ptr<script::ScriptEngine> engine_;
    std::unique_ptr<plotter::PlotContext> plotContext_;
    std::unique_ptr<presets::PresetContext> presetContext_;
    std::unique_ptr<PlotView> plotView_;
    QTimer* timer1_ = nullptr;            // a child of the core
    ViewResampler* resampler_ = nullptr;  // a child of the core
    std::vector<Command> commands_;
    bool stopped_ = false;
    bool multicolour_ = false;
    bool lightGrid_ = false;
};

}  // namespace shell
