// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "script/ScriptEngine.h"
#include "vbrt/Variant.h"

// "Type<TAB>text" of a result, or "Error<TAB>number": one string to compare per case.
inline QString describe(const script::EvalResult& r) {
    if (r.error != 0) return QStringLiteral("Error\t%1").arg(r.error);
    return QStringLiteral("%1\t%2").arg(QString::fromUtf8(vbrt::TypeName(r.value.type)),
                                        QString::fromStdString(vbrt::ToText(r.value)));
}

inline QString evalText(script::ScriptEngine& engine, const QString& expression) {
    return describe(engine.TryEval(expression.toStdString()));
}
