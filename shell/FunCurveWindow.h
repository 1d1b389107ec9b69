// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "canvas/Canvas.h"
#include "canvas/DrawingList.h"
#include "canvas/Frame.h"
#include "plotter/PlotContext.h"
#include "presets/PresetContext.h"
#include "script/ScriptEngine.h"
#include "shell/ClickQueue.h"
#include "shell/ControlTable.h"
#include "shell/HelpWindow.h"
#include "shell/PlotView.h"
#include "shell/Worksheet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class BoxCheckFilter;
class CurveReader;
class ViewResampler;

// The main window: every control at its designed place, the plot canvas and the two text
// surfaces, the window's state, and the event operations that connect them. Controls carry
// their design names as objectName; the six range boxes are "Text4_0" .. "Text4_5".
class frmFunCurve : public QWidget {
    Q_OBJECT
  public:
    // The controls' designed fonts, colours and fitted label heights, or none of them for a
    // window that is never shown (the companion's outputs hold no control).
    enum class Looks { Designed, Plain };

    // programFolder holds "举例.txt", "说明.txt" and "CoordinateData.txt"; by default the
    // folder of the running program. Start-up runs here, before the window is shown.
    explicit frmFunCurve(QString programFolder = QCoreApplication::applicationDirPath(),
                         QWidget* parent = nullptr, Looks looks = Looks::Designed);
    ~frmFunCurve() override;

    canvas::Canvas& picture1() { return *picture1_; }
    canvas::Canvas& picture2() { return *picture2_; }
    canvas::Canvas& picture4() { return *picture4_; }
    canvas::FrameState& frameState() { return frame_; }
    // What was drawn, item by item: every picture of the window is its replay.
    canvas::DrawingList& drawingList() { return *drawing_; }
    const canvas::DrawingList& drawingList() const { return *drawing_; }
    plotter::PlotState& plotState() { return plotState_; }
    plotter::PlotContext& plotContext() { return *plotContext_; }
    script::ScriptEngine& engine() { return *engine_; }
    const QString& programFolder() const { return programFolder_; }
    // Where the plots of this window write their points ("CoordinateData.txt").
    QString pointFilePath() const;
    // Moves the point file to another folder (by default the program folder), under another
    // name when another window owns the first; joining reads it back from there too. A name
    // other than the first is shown on the status line.
    void setPointFolder(const QString& folder,
                        const QString& fileName = QStringLiteral("CoordinateData.txt"));
    frmHelp* helpWindow() const { return help_; }
    // The view of Picture1: zoom, pan, equal units, the canvas size.
    PlotView& plotView() { return *plotView_; }
    // The curves sampled again for the view's pixels.
    ViewResampler& viewResampler() { return *resampler_; }
    // The snap, key points and table of values of the drawn curves.
    CurveReader& curveReader() { return *reader_; }

    // How quitting ends the program (default: leave the event loop). Tests replace it.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    // Event operations.
    void LoadExamples();
    void QuitProgram();
    void ShowHelp();
    void ClearPlot();
    void CopyPlotImage();
    // Asks for a PNG or SVG file and writes the canvas picture there.
    void SavePlotImage();
    void ShowPointerPosition(float x, float y);
    // Take back the last drawn item (a running plot is cancelled first), or put it back.
    void Undo();
    void Redo();
    // Asks for a PDF file and writes the worksheet page there; prints it after the dialog.
    void ExportPdf();
    void PrintPlot();
    // 多色曲线: each typed curve and preset from now on takes the next palette colour.
    void setMulticolour(bool on) { multicolour_ = on; }
    bool multicolour() const { return multicolour_; }
    // 浅色网格: worksheet pages draw the grid light grey.
    void setLightGrid(bool on) { lightGrid_ = on; }
    // The page that print and PDF show.
    Worksheet worksheet() const { return {*picture1_, *picture2_, *picture4_, lightGrid_}; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Every control of the design table at its place, with its look and visibility.
    void buildControls();
    // A control of the design table with its look; newControl: the bare control of its kind.
    QWidget* createControl(const ControlLayout& layout);
    QWidget* newControl(const ControlLayout& layout);
    // A label grown to the height its lines need (designed looks only).
    void fitLabel(QWidget* control) const;
    // The canvas behind a picture box name; nullptr for the unused Picture3.
    canvas::Canvas* canvasFor(const QString& name) const;
    // What the equation plotter and the presets reach of the window.
    void buildContexts();
    // Click, tick and pointer-move operations of the commands and the canvas.
    void connectCommands();
    void connectClick(QPushButton* source, std::function<void()> action,
                      shell::ClickQueue::Kind kind = shell::ClickQueue::Kind::Other);
    void connectPresets();
    // The action, run as one item of the drawing list.
    std::function<void()> asItem(canvas::ItemKind kind, std::function<void()> action,
                                 std::string preset = {});
    // The box texts a typed plot or a preset is drawn from.
    canvas::Recipe recipe(std::string preset) const;
    // Typed curves and presets shown since the canvas was last cleared.
    size_t curvesSinceClear() const;
    // Runs a curve's action in its palette colour (dots and text lines), then restores them.
    void drawInCurveColour(const std::function<void()>& action);
    // The range and parameter checks on focus loss.
    void watchBoxes();
    // Plain frame, examples list, timer off, status caption, canvas frame again.
    void runStartUp();
    // Every control at its designed place, moved with its corner as the window grows; the
    // canvas takes the room it gains.
    void layoutControls();
    // The canvas drawn again in the frame's view, and its curves sampled again for it.
    void redrawPicture();
    // Every item drawn again in the frame's view, with the points sampled for it so far.
    void redrawItems();
    // Draws a frame item (plain frame, coordinate system, grid, clear) or a curve sampled
    // again in the view of now; false for items drawn again from their user coordinates.
    bool drawItemAgain(const canvas::DrawnItem& item);
    QLineEdit* box(const QString& name) const;
    QPushButton* button(const QString& name) const;

    const Looks looks_;
    QString programFolder_;
    std::unique_ptr<canvas::Canvas> picture1_, picture2_, picture4_;
    std::unique_ptr<canvas::DrawingList> drawing_;
    canvas::FrameState frame_;
    plotter::PlotState plotState_;
    shell::ClickQueue clicks_{plotState_};
    presets::PresetFields presetFields_;
    std::unique_ptr<script::ScriptEngine> engine_;
    std::unique_ptr<plotter::PlotContext> plotContext_;
    std::unique_ptr<presets::PresetContext> presetContext_;
    std::unique_ptr<PlotView> plotView_;
    QTimer* timer1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* coordinates_ = nullptr;
    BoxCheckFilter* checks_ = nullptr;
    QPointer<frmHelp> help_;
    CurveReader* reader_ = nullptr;       // a child of the window
    ViewResampler* resampler_ = nullptr;  // a child of the window
    QString saveFolder_;                  // where the last picture was saved, for the next save
    std::function<void()> endProgram_;
    bool quitting_ = false;
    bool multicolour_ = false;
    bool lightGrid_ = false;
};

}  // namespace shell
