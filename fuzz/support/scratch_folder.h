// One folder for the files a fuzz target works on, made once per process
// and emptied before every input, so that each input starts from the same
// state; it goes when the process ends normally.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace fuzzing {

class ScratchFolder {
  public:
    // The folder, emptied.
    static const std::string& fresh() {
        static ScratchFolder folder;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path_, ignored))
            std::filesystem::remove_all(entry.path(), ignored);
        return folder.path_;
    }

  private:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "aquendor-fuzz-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
        if (path_.empty()) std::abort();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path_;
};

}  // namespace fuzzing
