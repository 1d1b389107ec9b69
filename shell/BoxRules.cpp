// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BoxRules.h"

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

}  // namespace shell
