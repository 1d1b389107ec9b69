// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/ParsedCode.h"

#include "script/FastAssign.h"

namespace script {

ParsedCode::ParsedCode(std::string text) : text_(std::move(text)) {
    auto assignment = std::make_unique<FastAssignment>();
    if (parseFastAssignment(text_, *assignment)) assignment_ = std::move(assignment);
}

ParsedCode::~ParsedCode() = default;
ParsedCode::ParsedCode(ParsedCode&&) noexcept = default;
ParsedCode& ParsedCode::operator=(ParsedCode&&) noexcept = default;

}  // namespace script
