// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HeadlessControls.h"

#include "shell/ControlTable.h"

namespace shell {

HeadlessControls::HeadlessControls() {
    for (const ControlLayout& layout : MainWindowControls()) {
        const QString name = QString::fromUtf8(layout.name);
        const QString text = QString::fromUtf8(layout.text);
        if (layout.kind == ControlKind::TextBox) boxes_[name] = text;
        if (layout.kind == ControlKind::Combo) equation_ = text;
        if (name == u"Label5") status_ = text;
    }
}

WindowControls HeadlessControls::controls() {
    WindowControls controls;
    controls.boxText = [this](const QString& box) { return boxes_[box]; };
    controls.setBoxText = [this](const QString& box, const QString& text) { boxes_[box] = text; };
    controls.equationText = [this] { return equation_; };
    controls.setExamples = [this](const QStringList& examples) {
        equation_ = examples.isEmpty() ? QString() : examples.first();
    };
    controls.setStatus = [this](const QString& text) { status_ = text; };
    controls.setDrawEnabled = [](bool) {};
    return controls;
}

}  // namespace shell
