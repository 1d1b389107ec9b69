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
#include "shell/MessageBoxDialog.h"
#include "shell/PlotPicture.h"
#include "shell/ProgramFolders.h"
#include "shell/RunGuarded.h"
#include "shell/SavePicture.h"
#include "shell/SpacedLabel.h"
#include "shell/TextBox.h"
#include "shell/TextFiles.h"
#include "shell/ViewActions.h"
#include "shell/WindowKeys.h"
#include "texts/Texts.h"

namespace shell {
namespace {

const QColor kWindowColour(224, 224, 224);
const QString kHelpFile = QStringLiteral("说明.txt");

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

frmFunCurve::frmFunCurve(QString programFolder, QWidget* parent)
    : QWidget(parent),
      core_(new WindowCore(std::move(programFolder), controls(), this)),
      endProgram_([] { QCoreApplication::exit(0); }) {
    UseMessageBoxes();
    setObjectName(QStringLiteral("frmFunCurve"));
    setWindowTitle(ApplicationTitle());
    setWindowIcon(ApplicationIcon());
    setFont(DefaultWindowFont());
    setMinimumSize(DesignedClientSize());
    resize(DesignedClientSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    buildControls();
    connectCommands();
    watchBoxes();
    AddCanvasMenuAndKeys(*this);
    // The view's menu, for the menu bar; its keys work from now on.
    auto* viewMenu = new QMenu(QString::fromUtf8(texts::kViewMenu), this);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    AddViewActions(*this, *viewMenu);
    core_->start();
}

frmFunCurve::~frmFunCurve() = default;

canvas::Canvas* frmFunCurve::canvasFor(const QString& name) const {
    if (name == u"Picture1") return &core_->picture1();
    if (name == u"Picture2") return &core_->picture2();
    if (name == u"Picture4") return &core_->picture4();
    return nullptr;
}

QWidget* frmFunCurve::createControl(const ControlLayout& layout) {
    QWidget* control = newControl(layout);
    ApplyLook(control, layout);
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
    placeControls();
    // Labels lie under the buttons and boxes they overlap.
    for (QWidget* label : labels)
        label->lower();

    combo1_ = findChild<QComboBox*>(QStringLiteral("Combo1"));
    label5_ = findChild<QLabel*>(QStringLiteral("Label5"));
    coordinates_ = findChild<QLabel*>(QStringLiteral("lblCoordinates"));
}

void frmFunCurve::fitLabel(QWidget* control) const {
    auto* label = qobject_cast<SpacedLabel*>(control);
    if (label != nullptr) label->fitHeight();
}

QLineEdit* frmFunCurve::box(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

QPushButton* frmFunCurve::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

WindowControls frmFunCurve::controls() {
    WindowControls controls;
    controls.boxText = [this](const QString& name) {
        const QLineEdit* edit = box(name);
        return edit ? edit->text() : QString();
    };
    controls.setBoxText = [this](const QString& name, const QString& text) {
        box(name)->setText(text);
    };
    controls.equationText = [this] { return combo1_->currentText(); };
    controls.setExamples = [this](const QStringList& examples) {
        combo1_->clear();
        combo1_->addItems(examples);
        if (combo1_->count() > 0) {
            combo1_->setCurrentIndex(0);
        } else {
            combo1_->setEditText(QString());
        }
    };
    controls.setStatus = [this](const QString& text) { label5_->setText(text); };
    controls.setDrawEnabled = [this](bool on) {
        button(QStringLiteral("cmd绘制图像"))->setEnabled(on);
    };
    controls.selectInEquation = [this](std::size_t offset, std::size_t length) {
        SelectTypedBytes(*combo1_, offset, length);
    };
    controls.focusBox = [this](const QString& name) { box(name)->setFocus(); };
    controls.afterDraw = [this] { ReturnFocusAfterDraw(*combo1_); };
    return controls;
}

// Clicks go through the core's click queue, so no plot ever starts inside another. A queued
// click whose button has been disabled meanwhile does nothing, as the button would not take it.
void frmFunCurve::connectClick(QPushButton* source, WindowCore::Command command) {
    connect(source, &QPushButton::clicked, this, [this, source, command = std::move(command)] {
        core_->click(command, [source = QPointer<QPushButton>(source)] {
            return source && source->isEnabled();
        });
    });
}

void frmFunCurve::connectCommands() {
    for (const WindowCore::Command& command : core_->commands()) {
        if (QPushButton* source = button(command.button)) connectClick(source, command);
    }
    const auto onClick = [this](const char* name, std::function<void()> action) {
        const QString button = QString::fromUtf8(name);
        connectClick(this->button(button), {button, ClickQueue::Kind::Other, std::move(action)});
    };
    onClick("Command4", [this] { CopyPlotImage(); });
    onClick("cmd帮助", [this] { ShowHelp(); });
    connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [this] { RunGuarded([this] { QuitProgram(); }); });
    auto* view = findChild<CanvasView*>(QStringLiteral("Picture1"));
    reader_ = new CurveReader(*this, *view);
    connect(view, &CanvasView::pointerMoved, this,
            [this](float x, float y) { ShowPointerPosition(x, y); });
}

void frmFunCurve::watchBoxes() {
    checks_ = new BoxCheckFilter(this);
    checks_->exempt(button(QStringLiteral("Command2")));
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (const auto rule = RuleOfBox(edit->objectName())) checks_->watch(edit, *rule);
    }
}

void frmFunCurve::LoadExamples() {
    core_->loadExamples();
}

void frmFunCurve::QuitProgram() {
    if (core_->stopped()) return;
    core_->stop();
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
    const QString& programFolder = core_->programFolder();
    const TextFile file = ReadTextFile(ProgramFile(programFolder, kHelpFile));
    if (file.status == TextFile::Status::TooLarge) {
        ShowMessage(TooLargeMessage(kHelpFile));
        return;
    }
    if (file.status == TextFile::Status::Missing) {
        ShowMessage(QString::fromUtf8(texts::kHelpFileMissing)
                        .arg(QDir::toNativeSeparators(programFolder)));
        return;
    }
    if (file.status == TextFile::Status::NotRegular) {
        ShowMessage(QString::fromUtf8(texts::kHelpFileNotRegular)
                        .arg(QDir::toNativeSeparators(ProgramFile(programFolder, kHelpFile))));
        return;
    }
    if (!help_) {
        help_ = new frmHelp(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->setHelpText(HelpTextFromLines(file.lines) +
                       FileLocationsNote(programFolder, pointFilePath()));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmFunCurve::CopyPlotImage() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(PlotImage(core_->picture1()));
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

void frmFunCurve::placeControls() {
    const QSize growth = (size() - DesignedClientSize()).expandedTo(QSize(0, 0));
    for (const ControlLayout& layout : MainWindowControls()) {
        QWidget* control =
            findChild<QWidget*>(QString::fromUtf8(layout.name), Qt::FindDirectChildrenOnly);
        if (control == nullptr) continue;
        control->setGeometry(GrownRect(layout, growth));
        fitLabel(control);
    }
}

void frmFunCurve::layoutControls() {
    placeControls();
    const auto* view = findChild<CanvasView*>(QStringLiteral("Picture1"));
    core_->plotView().setPictureSize(view->contentsRect().size());
}

void frmFunCurve::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void frmFunCurve::paintEvent(QPaintEvent*) {
    static const QImage background = BackgroundImage();
    QPainter painter(this);
    painter.fillRect(rect(), kWindowColour);
    painter.drawImage(0, 0, background);
}

}  // namespace shell
