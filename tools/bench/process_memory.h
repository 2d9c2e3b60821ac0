// The benchmark's own memory, as the kernel counts it.
#pragma once

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace bench {

// A "kB" field of /proc/self/status ("VmRSS:", "VmHWM:"); -1 when missing.
inline long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

}  // namespace bench
