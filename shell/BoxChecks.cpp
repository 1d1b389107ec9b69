// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BoxChecks.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include "shell/MessageBox.h"

namespace shell {
namespace {

// A focus loss the user caused by moving to another control of the same window; not the
// window losing activation (another window, a message box or a menu popping up).
bool IsMoveToAnotherControl(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

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
