// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CurveReader.h"

#include "shell/CanvasView.h"
#include "shell/FunCurveWindow.h"
#include "shell/KeyPointsDialog.h"
#include "shell/ValueTableDialog.h"
#include "texts/Texts.h"
#include "vbrt/NumberText.h"

namespace shell {

CurveReader::CurveReader(frmFunCurve& window, CanvasView& view)
    : QObject(&window), window_(window), view_(view) {}

CurveReader::~CurveReader() = default;

const DrawnCurves& CurveReader::drawn() {
    const auto items = window_.drawingList().items();
    std::string signature = DrawnCurves::Signature(items);
    if (!drawn_ || signature != signature_) {
        drawn_ = std::make_unique<DrawnCurves>(items);
        snapper_ = std::make_unique<plotter::CurveSnapper>(drawn_->curves());
        signature_ = std::move(signature);
    }
    return *drawn_;
}

std::optional<QString> CurveReader::snappedReadOut(float x, float y) {
    const DrawnCurves& curves = drawn();
    const auto point = snapper_->snap(x, y, PixelSizeOf(window_.picture1()));
    view_.setSnapMark(point ? std::optional(QPointF(point->x, point->y)) : std::nullopt);
    if (!point) return std::nullopt;
    return QString::fromUtf8(texts::kSnappedReadOut)
        .arg(QString::fromStdString(vbrt::FormatFixed2(point->x)),
             QString::fromStdString(vbrt::FormatFixed2(point->y)),
             curves.names()[point->curve - 1]);
}

void CurveReader::showKeyPoints() {
    if (!keyPoints_) {
        keyPoints_ = new KeyPointsDialog(&window_);
        connect(keyPoints_, &KeyPointsDialog::ringsWanted, &view_, &CanvasView::setRings);
        connect(keyPoints_, &QDialog::finished, &view_, [this] { view_.setRings({}); });
    }
    const DrawnCurves& curves = drawn();
    keyPoints_->setPoints(plotter::FindKeyPoints(curves.curves(), VisibleRect(window_.picture1())),
                          curves.names());
    keyPoints_->show();
    keyPoints_->raise();
}

void CurveReader::showValueTable() {
    auto* dialog = new ValueTableDialog(drawn().tables(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

}  // namespace shell
