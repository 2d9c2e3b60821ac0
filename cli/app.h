// aquendorctl from its command line to its exit code.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// words: the command line without the program's name.
int runAquendorctl(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace cli
