// One run of aquendorctl: the options, the console, where results go and
// the folder files go to.
#pragma once

#include <cstdio>
#include <string>

#include "cli/console.h"
#include "cli/options.h"

namespace cli {

struct Invocation {
    const Options& options;
    Console& console;
    std::FILE* out;      // results
    std::string folder;  // absolute: where files go, the current folder while running

    void print(const std::string& text) const {
        std::fputs(text.c_str(), out);
        std::fflush(out);
    }
    bool english() const { return options.english; }
};

}  // namespace cli
