// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "shell/BoxRules.h"

class QFocusEvent;
class QLineEdit;

namespace shell {

// Checks watched boxes when they lose the keyboard focus to another control of the window:
// shows each message of the check through ShowMessage and sends the focus back to the box;
// the text stays as typed. A box left by a mouse press is checked before the press reaches
// the control that took the focus, however quick the click: when the check fails, the press
// and its release are dropped, so that click does nothing. A box left otherwise (Tab) is
// checked once the focus change is complete. Focus changes made by a check itself (or by a
// message box appearing) are not checked, so two bad boxes cannot bounce the focus between
// them forever.
class BoxCheckFilter : public QObject {
    Q_OBJECT
  public:
    // Watches the presses of the whole application (the window's controls are its children).
    explicit BoxCheckFilter(QObject* parent = nullptr);

    void watch(QLineEdit* box, BoxRule rule);
    // A press on this control does not wait for a check: quitting always works.
    void exempt(QObject* control);
    // Runs the check of a watched box now (also what a focus loss leads to); true when the
    // box passed without a message.
    bool check(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Watched {
        QLineEdit* box;
        BoxRule rule;
    };
    const Watched* find(const QObject* box) const;
    void onFocusOut(QLineEdit* box, const QFocusEvent* event);
    // True when the press must not reach its control.
    bool holdPress(QObject* target);

    std::vector<Watched> boxes_;
    std::vector<QPointer<QObject>> exempt_;
    QPointer<QLineEdit> leftBox_;     // left for another control, not checked yet
    QPointer<QObject> droppedPress_;  // its release is dropped too
    bool checking_ = false;
};

}  // namespace shell
