#include "app/texts.h"

namespace anagrove {

std::string BrowserProblemText(long code) {
    return std::string(kProgramTitle) + " had a problem running your web browser." +
           "You should check that your browser is correctly installed." + "(Error" +
           std::to_string(code) + ")";
}

std::string AssociationText(std::string_view document) {
    return std::string(kProgramTitle) + " could not find a file association for " +
           std::string(document) + " on your system. You should check that your browser" +
           "is correctly installed and associated with this type of file.";
}

} // namespace anagrove
