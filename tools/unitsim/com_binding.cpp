#include "tools/unitsim/com_binding.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace unitsim {

namespace {

// A name next to the link, unique per process and call, so that two
// simulators binding at the same moment never share a temporary entry.
std::string temporaryName(const std::string& link) {
    static std::atomic<unsigned> counter{0};
    return link + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
}

}  // namespace

bool ComBinding::bind(const std::string& folder, const std::string& comName,
                      const std::string& target) {
    unbind();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        errno = error.value();
        return false;
    }
    const std::string link = folder + "/" + comName;
    const std::string temporary = temporaryName(link);
    // Link under a temporary name and rename it over the old entry: a program
    // resolving the name sees either the old or the new link, never none.
    if (symlink(target.c_str(), temporary.c_str()) != 0) return false;
    if (rename(temporary.c_str(), link.c_str()) != 0) {
        const int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return false;
    }
    link_ = link;
    target_ = target;
    return true;
}

void ComBinding::unbind() {
    if (link_.empty()) return;
    std::error_code error;
    if (std::filesystem::read_symlink(link_, error) == target_ && !error)
        std::filesystem::remove(link_, error);
    link_.clear();
    target_.clear();
}

}  // namespace unitsim
