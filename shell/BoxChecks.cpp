// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BoxChecks.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include "shell/MessageBox.h"
#include "texts/Texts.h"
#include "vbrt/NarrowText.h"
#include "vbrt/NumberReading.h"
#include "vbrt/RuntimeError.h"

namespace shell {
namespace {

// True when the leading-number value lies outside the rule. A value too large for a
// double (e.g. '1E999') is outside every range rather than an error.
bool OutOfRange(const std::string& text, const BoxRule& rule) {
    try {
        const double value = vbrt::Val(text);
        return value > rule.high || value < rule.low;
    } catch (const vbrt::RuntimeError&) {
        return true;
    }
}

// A focus loss the user caused by moving to another control of the same window; not the
// window losing activation (another window, a message box or a menu popping up).
bool IsMoveToAnotherControl(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

BoxRule ParameterARule() {
    return {-10, 10, QString::fromUtf8(texts::kBoxAOutOfRange)};
}
BoxRule ParameterBRule() {
    return {-10, 10, QString::fromUtf8(texts::kBoxBOutOfRange)};
}
BoxRule RangeBoxRule() {
    return {-9, 9, QString::fromUtf8(texts::kBoxRangeOutOfRange)};
}

std::optional<BoxRule> RuleOfBox(const QString& name) {
    if (name == u"Text1") return ParameterARule();
    if (name == u"Text2") return ParameterBRule();
    if (name.startsWith(u"Text4_")) return RangeBoxRule();
    return std::nullopt;
}

QStringList BoxCheckMessages(const QString& text, const BoxRule& rule) {
    const std::string utf8 = vbrt::NarrowText(text.toStdString());
    QStringList messages;
    if (!vbrt::IsNumeric(utf8)) messages << QString::fromUtf8(texts::kBoxNotNumber);
    if (OutOfRange(utf8, rule)) messages << rule.rangeMessage;
    return messages;
}

BoxCheckFilter::BoxCheckFilter(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

void BoxCheckFilter::watch(QLineEdit* box, BoxRule rule) {
    boxes_.push_back({box, std::move(rule)});
}

void BoxCheckFilter::exempt(QObject* control) {
    exempt_.emplace_back(control);
}

const BoxCheckFilter::Watched* BoxCheckFilter::find(const QObject* box) const {
    for (const auto& entry : boxes_) {
        if (entry.box == box) return &entry;
    }
    return nullptr;
}

bool BoxCheckFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusOut:
            if (const Watched* entry = find(watched)) {
                onFocusOut(entry->box, static_cast<QFocusEvent*>(event));
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched->isWidgetType()) return holdPress(watched);
            break;
        case QEvent::MouseButtonRelease:
            if (droppedPress_ && watched == droppedPress_) {
                droppedPress_ = nullptr;
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void BoxCheckFilter::onFocusOut(QLineEdit* box, const QFocusEvent* event) {
    if (checking_ || !IsMoveToAnotherControl(event)) return;
    leftBox_ = box;
    // A press that moved the focus is delivered right after this, and checks first. Any other
    // move is checked after the focus change is complete: a message box must not open in its
    // middle.
    QPointer<QLineEdit> left(box);
    QTimer::singleShot(0, this, [this, left] {
        if (!left || leftBox_ != left) return;
        leftBox_ = nullptr;
        check(left);
    });
}

bool BoxCheckFilter::holdPress(QObject* target) {
    droppedPress_ = nullptr;
    if (!leftBox_) return false;
    QLineEdit* box = leftBox_;
    leftBox_ = nullptr;
    for (const auto& control : exempt_) {
        if (control == target) return false;
    }
    if (check(box)) return false;
    droppedPress_ = target;
    return true;
}

bool BoxCheckFilter::check(QLineEdit* box) {
    const Watched* entry = find(box);
    // A window that has gone (quit while the check waited) shows no more messages.
    if (entry == nullptr || checking_ || !box->isVisible()) return true;
    checking_ = true;
    const QStringList messages = BoxCheckMessages(box->text(), entry->rule);
    for (const QString& message : messages) {
        ShowMessage(message);
        box->setFocus(Qt::OtherFocusReason);
    }
    checking_ = false;
    return messages.isEmpty();
}

}  // namespace shell
