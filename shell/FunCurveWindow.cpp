// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FunCurveWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <exception>

#include "canvas/Palette.h"
#include "plotter/PlotCommands.h"
#include "presets/Presets.h"
#include "script/ExactPower.h"
#include "shell/BoxChecks.h"
#include "shell/CanvasView.h"
#include "shell/CaptionButton.h"
#include "shell/CurveReader.h"
#include "shell/Decorations.h"
#include "shell/EquationFocus.h"
#include "shell/Fonts.h"
#include "shell/GrownLayout.h"
#include "shell/HelpWindow.h"
#include "shell/MessageBox.h"
#include "shell/PlotPicture.h"
#include "shell/PointFileClaim.h"
#include "shell/ProgramFolders.h"
#include "shell/RunGuarded.h"
#include "shell/SavePicture.h"
#include "shell/SpacedLabel.h"
#include "shell/TextBox.h"
#include "shell/TextFiles.h"
#include "shell/ViewActions.h"
#include "shell/ViewResampler.h"
#include "shell/WindowKeys.h"
#include "texts/Texts.h"

namespace shell {
namespace {

const QColor kWindowColour(224, 224, 224);
const QString kExamplesFile = QStringLiteral("举例.txt");
const QString kHelpFile = QStringLiteral("说明.txt");

// The bitmap of a picture box inside its border, in the window's font and text colour.
std::unique_ptr<canvas::Canvas> MakePicture(const char* name) {
    const ControlLayout& layout = *FindControlLayout(name);
    auto picture = std::make_unique<canvas::Canvas>(CanvasView::innerTwips(layout.width),
                                                    CanvasView::innerTwips(layout.height),
                                                    QColor(255, 255, 255));
    picture->setFont(DefaultWindowFont());
    if (layout.textColour) picture->setForeColor(*layout.textColour);
    return picture;
}

// The colour role a control's text is painted in.
QPalette::ColorRole TextRole(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return QPalette::ButtonText;
        case ControlKind::Label:
            return QPalette::WindowText;
        default:
            return QPalette::Text;
    }
}

// Font and text colour of a control as designed; boxes without padding, so that their small
// designed height still shows their text.
void ApplyLook(QWidget* control, const ControlLayout& layout) {
    if (layout.kind == ControlKind::TextBox)
        control->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; }"));
    if (layout.fontPoints > 0) control->setFont(SongFont(layout.fontPoints));
    if (layout.textColour) {
        QPalette palette = control->palette();
        palette.setColor(TextRole(layout.kind), QColor(*layout.textColour));
        control->setPalette(palette);
    }
}

// A label designed opaque: painted on the system's box colour instead of the background.
void MakeOpaque(QWidget* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

QLineEdit* MakeTextBox(const ControlLayout& layout, QWidget* parent) {
    auto* box = new TextBox(QString::fromUtf8(layout.text), parent);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

// The editable equation entry with its examples list.
QComboBox* MakeCombo(const ControlLayout& layout, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // the list holds the examples only
    combo->setCompleter(nullptr);                 // typing must not complete to an example
    combo->setMaxVisibleItems(20);
    AllowAnyLength(combo->lineEdit());
    combo->setEditText(QString::fromUtf8(layout.text));
    return combo;
}

}  // namespace

frmFunCurve::frmFunCurve(QString programFolder, QWidget* parent, Looks looks)
    : QWidget(parent),
      looks_(looks),
      programFolder_(std::move(programFolder)),
      picture1_(MakePicture("Picture1")),
      picture2_(MakePicture("Picture2")),
      picture4_(MakePicture("Picture4")),
      drawing_(std::make_unique<canvas::DrawingList>(*picture1_, *picture2_, *picture4_)),
      engine_(std::make_unique<script::ScriptEngine>()),
      endProgram_([] { QCoreApplication::exit(0); }) {
    RegisterFontSubstitutions();
    setObjectName(QStringLiteral("frmFunCurve"));
    setWindowTitle(ApplicationTitle());
    if (looks_ == Looks::Designed) setWindowIcon(ApplicationIcon());  // plain ones are never shown
    setFont(DefaultWindowFont());
    setMinimumSize(DesignedClientSize());
    resize(DesignedClientSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    buildControls();
    buildContexts();
    connectCommands();
    connectPresets();
    watchBoxes();
    AddCanvasMenuAndKeys(*this);
    resampler_ = new ViewResampler(*drawing_, *picture1_,
                                   {[this] { redrawItems(); }, [this] { plotContext_->yield(); },
                                    [this] { return plotState_.plotsRunning > 0 || quitting_; }},
                                   this);
    plotView_ = std::make_unique<PlotView>(*picture1_, frame_, [this] { redrawPicture(); });
    // The view's menu, for the menu bar; its keys work from now on.
    auto* viewMenu = new QMenu(QString::fromUtf8(texts::kViewMenu), this);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    AddViewActions(*this, *viewMenu);
    runStartUp();
}

frmFunCurve::~frmFunCurve() = default;

QString frmFunCurve::pointFilePath() const {
    return QString::fromStdString(plotter::PointFilePath(*plotContext_));
}

void frmFunCurve::setPointFolder(const QString& folder, const QString& fileName) {
    plotContext_->pointFolder = folder.toStdString();
    plotContext_->pointFileName = fileName.toStdString();
    if (fileName != PointFileName(1))
        label5_->setText(QString::fromUtf8(texts::kStatusOwnPointFile).arg(fileName));
}

canvas::Canvas* frmFunCurve::canvasFor(const QString& name) const {
    if (name == u"Picture1") return picture1_.get();
    if (name == u"Picture2") return picture2_.get();
    if (name == u"Picture4") return picture4_.get();
    return nullptr;
}

QWidget* frmFunCurve::createControl(const ControlLayout& layout) {
    QWidget* control = newControl(layout);
    if (looks_ == Looks::Designed) ApplyLook(control, layout);
    if (layout.opaque) MakeOpaque(control);
    return control;
}

QWidget* frmFunCurve::newControl(const ControlLayout& layout) {
    const QString name = QString::fromUtf8(layout.name);
    switch (layout.kind) {
        case ControlKind::Button:
            return new CaptionButton(QString::fromUtf8(layout.text), this);
        case ControlKind::TextBox:
            return MakeTextBox(layout, this);
        case ControlKind::Label:
            return new SpacedLabel(QString::fromUtf8(layout.text), this);
        case ControlKind::Combo:
            return MakeCombo(layout, this);
        case ControlKind::Image: {
            auto* image = new QLabel(this);
            image->setPixmap(QPixmap::fromImage(DecorationImage()));
            return image;
        }
        case ControlKind::Picture:
            if (canvas::Canvas* picture = canvasFor(name)) return new CanvasView(*picture, this);
            return new QFrame(this);  // Picture3: exists, hidden and unused
    }
    return nullptr;
}

void frmFunCurve::buildControls() {
    std::vector<QWidget*> labels;
    for (const ControlLayout& layout : MainWindowControls()) {
        QWidget* control = createControl(layout);
        control->setObjectName(QString::fromUtf8(layout.name));
        control->setGeometry(TwipsRect(layout));
        control->setVisible(!layout.hidden);
        if (layout.kind == ControlKind::Label) labels.push_back(control);
        fitLabel(control);
    }
    // The window is sized before the controls exist: place them for that size now.
    layoutControls();
    // Labels lie under the buttons and boxes they overlap.
    for (QWidget* label : labels)
        label->lower();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(200);
    combo1_ = findChild<QComboBox*>(QStringLiteral("Combo1"));
    label5_ = findChild<QLabel*>(QStringLiteral("Label5"));
    coordinates_ = findChild<QLabel*>(QStringLiteral("lblCoordinates"));
}

void frmFunCurve::fitLabel(QWidget* control) const {
    auto* label = qobject_cast<SpacedLabel*>(control);
    if (label != nullptr && looks_ == Looks::Designed) label->fitHeight();
}

QLineEdit* frmFunCurve::box(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

QPushButton* frmFunCurve::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

void frmFunCurve::buildContexts() {
    QLineEdit* working = box(QStringLiteral("txt表达式"));
    QPushButton* draw = button(QStringLiteral("cmd绘制图像"));
    plotContext_ = std::make_unique<plotter::PlotContext>(plotter::PlotContext{
        *picture1_,
        *picture4_,
        *engine_,
        plotState_,
        [this] { return combo1_->currentText().toStdString(); },
        [this](int index) {
            const QLineEdit* range = box(QStringLiteral("Text4_%1").arg(index));
            return range ? range->text().toStdString() : std::string();
        },
        [working] { return working->text().toStdString(); },
        [working](const std::string& text) { working->setText(QString::fromStdString(text)); },
        [this](const std::string& text) { label5_->setText(QString::fromStdString(text)); },
        [this](bool on) { on ? timer1_->start() : timer1_->stop(); },
        [draw](bool on) { draw->setEnabled(on); },
        [this] {
            clicks_.runReady();
            QCoreApplication::processEvents();
        },
        programFolder_.toStdString(),
        [](const std::string& text) { ShowMessage(QString::fromStdString(text)); },
        [](int number) { return RuntimeErrorText(number).toStdString(); },
    });
    plotContext_->selectInEquation = [this](std::size_t offset, std::size_t length) {
        SelectTypedBytes(*combo1_, offset, length);
    };
    plotContext_->shownView = [this] { return frame_.view; };
    plotContext_->parameterText = [this](int index) {
        return box(index == 0 ? QStringLiteral("Text1") : QStringLiteral("Text2"))
            ->text()
            .toStdString();
    };
    presetContext_ = std::make_unique<presets::PresetContext>(presets::PresetContext{
        *picture1_,
        *picture2_,
        presetFields_,
        [this] { return box(QStringLiteral("Text1"))->text().toStdString(); },
        [this] { return box(QStringLiteral("Text2"))->text().toStdString(); },
        [](const std::string& text) { ShowMessage(QString::fromStdString(text)); },
        [this](presets::ParameterBox which) {
            const bool isA = which == presets::ParameterBox::A;
            box(isA ? QStringLiteral("Text1") : QStringLiteral("Text2"))->setFocus();
        },
    });
}

// Clicks go through the click queue, so no plot ever starts inside another. A queued click
// whose button has been disabled meanwhile does nothing, as the button would not take it.
void frmFunCurve::connectClick(QPushButton* source, std::function<void()> action,
                               shell::ClickQueue::Kind kind) {
    connect(source, &QPushButton::clicked, this, [this, source, kind, action = std::move(action)] {
        clicks_.click(kind, [source = QPointer<QPushButton>(source), action] {
            if (source && source->isEnabled()) RunGuarded(action);
        });
    });
}

void frmFunCurve::connectCommands() {
    const auto onClick = [this](const char* name, std::function<void()> action) {
        connectClick(button(QString::fromUtf8(name)), std::move(action));
    };
    const auto onDrawingClick = [this](const char* name, std::function<void()> action) {
        connectClick(button(QString::fromUtf8(name)), std::move(action),
                     shell::ClickQueue::Kind::Draws);
    };
    using canvas::ItemKind;
    plotter::PlotContext& plot = *plotContext_;
    onDrawingClick("cmd绘制图像", [this, draw = asItem(ItemKind::TypedPlot,
                                                       [&plot] { plotter::DrawEquation(plot); })] {
        draw();
        ReturnFocusAfterDraw(*combo1_);
    });
    onClick("cmd取消", [&plot] { plotter::CancelDrawing(plot); });
    onDrawingClick("cmd连点成线",
                   asItem(ItemKind::Join, [&plot] { plotter::JoinPlottedPoints(plot); }));
    onClick("cmd测试",
            [this] { ShowMessage(QString::fromStdString(script::TestPowerFunction(*engine_))); });
    onClick("cmd坐标系1", asItem(ItemKind::CoordinateSystem1,
                                 [this] { canvas::DrawCoordinateSystem1(*picture1_, frame_); }));
    onClick("cmd坐标系2", asItem(ItemKind::CoordinateSystem2,
                                 [this] { canvas::DrawCoordinateSystem2(*picture1_, frame_); }));
    onClick("cmd网格线", asItem(ItemKind::Grid, [this] { canvas::DrawGrid(*picture1_); }));
    onClick("Command4", [this] { CopyPlotImage(); });
    onClick("qinnchu", [this] { ClearPlot(); });
    onClick("cmd帮助", [this] { ShowHelp(); });
    connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [this] { RunGuarded([this] { QuitProgram(); }); });
    connect(timer1_, &QTimer::timeout, this,
            [&plot] { RunGuarded([&plot] { plotter::AnimateStatus(plot); }); });
    auto* view = findChild<CanvasView*>(QStringLiteral("Picture1"));
    reader_ = new CurveReader(*this, *view);
    connect(view, &CanvasView::pointerMoved, this,
            [this](float x, float y) { ShowPointerPosition(x, y); });
}

void frmFunCurve::connectPresets() {
    for (std::string_view name : presets::PresetNames()) {
        const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
        QPushButton* preset = button(objectName);
        if (preset == nullptr) continue;
        connectClick(
            preset,
            asItem(
                canvas::ItemKind::Preset,
                [this, name] { presets::RunPreset(name, *presetContext_); }, std::string(name)),
            shell::ClickQueue::Kind::Draws);
    }
}

std::function<void()> frmFunCurve::asItem(canvas::ItemKind kind, std::function<void()> action,
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

size_t frmFunCurve::curvesSinceClear() const {
    size_t curves = 0;
    const auto items = drawing_->items();
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        curves +=
            item->kind == canvas::ItemKind::TypedPlot || item->kind == canvas::ItemKind::Preset;
        if (item->layers[size_t(canvas::Surface::Plot)].erases) break;
    }
    return curves;
}

void frmFunCurve::drawInCurveColour(const std::function<void()>& action) {
    struct Restore {
        frmFunCurve& w;
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

canvas::Recipe frmFunCurve::recipe(std::string preset) const {
    canvas::Recipe recipe;
    recipe.equation = combo1_->currentText().toStdString();
    for (int i = 0; i < int(recipe.ranges.size()); ++i)
        recipe.ranges[size_t(i)] = box(QStringLiteral("Text4_%1").arg(i))->text().toStdString();
    recipe.preset = std::move(preset);
    recipe.a = box(QStringLiteral("Text1"))->text().toStdString();
    recipe.b = box(QStringLiteral("Text2"))->text().toStdString();
    return recipe;
}

void frmFunCurve::watchBoxes() {
    checks_ = new BoxCheckFilter(this);
    checks_->exempt(button(QStringLiteral("Command2")));
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (const auto rule = RuleOfBox(edit->objectName())) checks_->watch(edit, *rule);
    }
}

// The start-up sequence, before the window is first shown.
void frmFunCurve::runStartUp() {
    canvas::DrawingList::Scope item(*drawing_, canvas::ItemKind::PlainFrame);
    canvas::ResetPlotFrame(*picture1_, frame_);
    LoadExamples();
    timer1_->stop();
    label5_->setText(QString::fromUtf8(texts::kStatusIdle));
    double xFactor = 1, yFactor = 1;
    canvas::SetupCanvas(*picture1_, xFactor, yFactor);
    // The window's own drawing (its background) is repainted from a kept image anyway.
    picture1_->setDrawWidth(1);
}

void frmFunCurve::LoadExamples() {
    combo1_->clear();
    // A missing or empty examples file leaves an empty list; the program still starts.
    const TextFile examples = ReadTextFile(ProgramFile(programFolder_, kExamplesFile));
    if (examples.status == TextFile::Status::TooLarge) ShowMessage(TooLargeMessage(kExamplesFile));
    combo1_->addItems(examples.lines);
    if (combo1_->count() > 0) {
        combo1_->setCurrentIndex(0);
    } else {
        combo1_->setEditText(QString());
    }
}

void frmFunCurve::QuitProgram() {
    if (quitting_) return;
    quitting_ = true;
    plotState_.blnCancel = true;  // a plot still running stops at its next sample
    clicks_.clear();
    if (help_) help_->close();
    hide();
    if (endProgram_) endProgram_();
}

void frmFunCurve::closeEvent(QCloseEvent* event) {
    QuitProgram();
    event->accept();
}

void frmFunCurve::ShowHelp() {
    if (help_ && help_->isMinimized()) help_->showNormal();
    const TextFile file = ReadTextFile(ProgramFile(programFolder_, kHelpFile));
    if (file.status == TextFile::Status::TooLarge) {
        ShowMessage(TooLargeMessage(kHelpFile));
        return;
    }
    if (file.status == TextFile::Status::Missing) {
        ShowMessage(QString::fromUtf8(texts::kHelpFileMissing)
                        .arg(QDir::toNativeSeparators(programFolder_)));
        return;
    }
    if (file.status == TextFile::Status::NotRegular) {
        ShowMessage(QString::fromUtf8(texts::kHelpFileNotRegular)
                        .arg(QDir::toNativeSeparators(ProgramFile(programFolder_, kHelpFile))));
        return;
    }
    if (!help_) {
        help_ = new frmHelp(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->setHelpText(HelpTextFromLines(file.lines) +
                       FileLocationsNote(programFolder_, pointFilePath()));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmFunCurve::ClearPlot() {
    plotter::CancelDrawing(*plotContext_);
    canvas::DrawingList::Scope item(*drawing_, canvas::ItemKind::Clear);
    picture1_->Cls();
    picture2_->Cls();
    picture4_->Cls();
    canvas::ResetPlotFrame(*picture1_, frame_);
}

void frmFunCurve::CopyPlotImage() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(PlotImage(*picture1_));
}

void frmFunCurve::SavePlotImage() {
    const QString saved = SavePlotPicture(worksheet(), this, saveFolder_);
    if (!saved.isEmpty()) saveFolder_ = QFileInfo(saved).absolutePath();
}

void frmFunCurve::ExportPdf() {
    const QString saved = ExportWorksheetPdf(worksheet(), this, saveFolder_);
    if (!saved.isEmpty()) saveFolder_ = QFileInfo(saved).absolutePath();
}

void frmFunCurve::PrintPlot() {
    PrintWorksheet(worksheet(), this);
}

void frmFunCurve::Undo() {
    if (plotState_.plotsRunning > 0) plotter::CancelDrawing(*plotContext_);
    drawing_->undo();
    resampler_->schedule();
}

void frmFunCurve::Redo() {
    if (plotState_.plotsRunning > 0) plotter::CancelDrawing(*plotContext_);
    drawing_->redo();
    resampler_->schedule();
}

void frmFunCurve::ShowPointerPosition(float x, float y) {
    // Near a curve the read-out gives the curve's own point; elsewhere the pointer's.
    // A curve that cannot be read leaves the pointer's read-out.
    if (reader_ != nullptr) {
        try {
            if (const auto snapped = reader_->snappedReadOut(x, y)) {
                coordinates_->setText(*snapped);
                return;
            }
        } catch (const std::exception&) {
        }
    }
    coordinates_->setText(QString::fromStdString(canvas::PointerPositionText(x, y)));
}

void frmFunCurve::layoutControls() {
    const QSize growth = (size() - DesignedClientSize()).expandedTo(QSize(0, 0));
    for (const ControlLayout& layout : MainWindowControls()) {
        QWidget* control =
            findChild<QWidget*>(QString::fromUtf8(layout.name), Qt::FindDirectChildrenOnly);
        if (control == nullptr) continue;
        control->setGeometry(GrownRect(layout, growth));
        fitLabel(control);
    }
    if (plotView_) {
        const auto* view = findChild<CanvasView*>(QStringLiteral("Picture1"));
        plotView_->setPictureSize(view->contentsRect().size());
    }
}

void frmFunCurve::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void frmFunCurve::redrawItems() {
    drawing_->redrawPlot([this](const canvas::DrawnItem& item) { return drawItemAgain(item); });
}

void frmFunCurve::redrawPicture() {
    redrawItems();
    resampler_->schedule();
}

bool frmFunCurve::drawItemAgain(const canvas::DrawnItem& item) {
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

void frmFunCurve::paintEvent(QPaintEvent*) {
    static const QImage background = BackgroundImage();
    QPainter painter(this);
    painter.fillRect(rect(), kWindowColour);
    painter.drawImage(0, 0, background);
}

}  // namespace shell
