#pragma once

namespace script {

// The platform's message for an error number, for the throwing forms.
inline const char* errorText(int number) {
    switch (number) {
        case 5:
            return "Invalid procedure call or argument";
        case 6:
            return "Overflow";
        case 7:
            return "Out of memory";
        case 11:
            return "Division by zero";
        case 13:
            return "Type mismatch";
        case 28:
            return "Out of stack space";
        case 450:
            return "Wrong number of arguments or invalid property assignment";
        case 501:
            return "Illegal assignment";
        case 1002:
            return "Syntax error";
        case 1032:
            return "Invalid character";
        default:
            return "Script error";
    }
}

}  // namespace script
