#include "alphabet/texts.h"

namespace anagrove {

std::string TextFaultText(const TextFault& fault, const std::string& language) {
    switch (fault.kind) {
    case TileFault::notUtf8:
        return "The text is not UTF-8 at byte " + std::to_string(fault.offset + 1) + ".";
    case TileFault::notATile:
        return "\"" + fault.piece + "\" is not a letter of " + language + ".";
    case TileFault::bracketNotClosed:
        return "\"" + fault.piece + "\" has no closing \"]\".";
    case TileFault::notATileInBrackets:
        return "\"" + fault.piece + "\" is not a tile of " + language + ".";
    }
    return {};
}

std::string AlphabetLineText(std::size_t line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

} // namespace anagrove
