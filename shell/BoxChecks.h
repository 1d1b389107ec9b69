#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QLineEdit;

namespace shell {

// What a box accepts: its value between low and high (bounds included) and the message for
// a value outside.
struct BoxRule {
    double low;
    double high;
    QString rangeMessage;
};

// Text1 (a), Text2 (b) and the six range boxes Text4.
BoxRule ParameterARule();
BoxRule ParameterBRule();
BoxRule RangeBoxRule();

// The messages a box's text earns, in order: "不是数字" when the whole text is not a number,
// then the range message when its leading-number value lies outside the rule (so '15x'
// earns both, 'abc' only the first, '12' in a parameter box only the second).
QStringList BoxCheckMessages(const QString& text, const BoxRule& rule);

// Checks watched boxes when they lose the keyboard focus to another control of the window:
// shows each message of the check through ShowMessage and sends the focus back to the box;
// the text stays as typed. The check runs once the focus change is complete, and focus
// changes made by a check itself (or by a message box appearing) are not checked, so two
// bad boxes cannot bounce the focus between them forever.
class BoxCheckFilter : public QObject {
    Q_OBJECT
  public:
    explicit BoxCheckFilter(QObject* parent = nullptr);

    void watch(QLineEdit* box, BoxRule rule);
    // Runs the check of a watched box now (also what a focus loss leads to).
    void check(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Watched {
        QLineEdit* box;
        BoxRule rule;
    };
    const Watched* find(const QObject* box) const;

    std::vector<Watched> boxes_;
    bool checking_ = false;
};

}  // namespace shell
