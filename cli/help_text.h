// What --help prints: the whole tool, or one command with its words,
// options and examples; in English or German after --english.
#pragma once

#include <string>

namespace cli {

std::string usageText(bool english);
// Empty for a name that is no command.
std::string commandHelpText(const std::string& command, bool english);
std::string versionText();

}  // namespace cli
