// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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

// The rule the window checks the box of this design name with when it is left ("Text1",
// "Text2", the "Text4_" range boxes); none for any other control.
std::optional<BoxRule> RuleOfBox(const QString& name);

// The messages a box's text earns, in order: "不是数字" when the whole text is not a number,
// then the range message when its leading-number value lies outside the rule (so '15x'
// earns both, 'abc' only the first, '12' in a parameter box only the second).
QStringList BoxCheckMessages(const QString& text, const BoxRule& rule);

}  // namespace shell
