// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "shell/ControlTable.h"
#include "shell/HelpWindow.h"
#include "shell/WindowCore.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class BoxCheckFilter;
class CurveReader;

// The main window: every control at its designed place, showing its core (the canvases, the
// window's state and the drawing operations) and connecting the controls to it, with the
// operations that need a screen (help, copy, save, print, quit). Controls carry their design
// names as objectName; the six range boxes are "Text4_0" .. "Text4_5".
class frmFunCurve : public QWidget {
    Q_OBJECT
  public:
    // programFolder holds "举例.txt", "说明.txt" and "CoordinateData.txt"; by default the
    // folder of the running program. Start-up runs here, before the window is shown.
    explicit frmFunCurve(QString programFolder = QCoreApplication::applicationDirPath(),
                         QWidget* parent = nullptr);
    ~frmFunCurve() override;

    canvas::Canvas& picture1() { return core_->picture1(); }
    canvas::Canvas& picture2() { return core_->picture2(); }
    canvas::Canvas& picture4() { return core_->picture4(); }
    canvas::FrameState& frameState() { return core_->frameState(); }
    // What was drawn, item by item: every picture of the window is its replay.
    canvas::DrawingList& drawingList() { return core_->drawingList(); }
    const canvas::DrawingList& drawingList() const { return core_->drawingList(); }
    plotter::PlotState& plotState() { return core_->plotState(); }
    plotter::PlotContext& plotContext() { return core_->plotContext(); }
    script::ScriptEngine& engine() { return core_->engine(); }
    const QString& programFolder() const { return core_->programFolder(); }
    // Where the plots of this window write their points ("CoordinateData.txt").
    QString pointFilePath() const { return core_->pointFilePath(); }
    // Moves the point file to another folder (by default the program folder), under another
    // name when another window owns the first; joining reads it back from there too. A name
    // other than the first is shown on the status line.
    void setPointFolder(const QString& folder,
                        const QString& fileName = QStringLiteral("CoordinateData.txt")) {
        core_->setPointFolder(folder, fileName);
    }
    frmHelp* helpWindow() const { return help_; }
    // The view of Picture1: zoom, pan, equal units, the canvas size.
    PlotView& plotView() { return core_->plotView(); }
    // The curves sampled again for the view's pixels.
    ViewResampler& viewResampler() { return core_->viewResampler(); }
    // The snap, key points and table of values of the drawn curves.
    CurveReader& curveReader() { return *reader_; }

    // How quitting ends the program (default: leave the event loop). Tests replace it.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    // Event operations.
    void LoadExamples();
    void QuitProgram();
    void ShowHelp();
    void ClearPlot() { core_->clearPlot(); }
    void CopyPlotImage();
    // Asks for a PNG or SVG file and writes the canvas picture there.
    void SavePlotImage();
    void ShowPointerPosition(float x, float y);
    // Take back the last drawn item (a running plot is cancelled first), or put it back.
    void Undo() { core_->undo(); }
    void Redo() { core_->redo(); }
    // Asks for a PDF file and writes the worksheet page there; prints it after the dialog.
    void ExportPdf();
    void PrintPlot();
    // 多色曲线: each typed curve and preset from now on takes the next palette colour.
    void setMulticolour(bool on) { core_->setMulticolour(on); }
    bool multicolour() const { return core_->multicolour(); }
    // 浅色网格: worksheet pages draw the grid light grey.
    void setLightGrid(bool on) { core_->setLightGrid(on); }
    // The page that print and PDF show.
    Worksheet worksheet() const { return core_->worksheet(); }

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
    // A label grown to the height its lines need.
    void fitLabel(QWidget* control) const;
    // The canvas behind a picture box name; nullptr for the unused Picture3.
    canvas::Canvas* canvasFor(const QString& name) const;
    // What the core reads and writes of the controls.
    WindowControls controls();
    // Click, tick and pointer-move operations of the commands and the canvas.
    void connectCommands();
    void connectClick(QPushButton* source, WindowCore::Command command);
    // The range and parameter checks on focus loss.
    void watchBoxes();
    // Every control at its designed place, moved with its corner as the window grows.
    void placeControls();
    // The controls placed for the window's size; the canvas takes the room it gains.
    void layoutControls();
    QLineEdit* box(const QString& name) const;
    QPushButton* button(const QString& name) const;

    WindowCore* core_;  // a child of the window
    QComboBox* combo1_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* coordinates_ = nullptr;
    BoxCheckFilter* checks_ = nullptr;
    QPointer<frmHelp> help_;
    CurveReader* reader_ = nullptr;  // a child of the window
    QString saveFolder_;             // where the last picture was saved, for the next save
    std::function<void()> endProgram_;
};

}  // namespace shell
