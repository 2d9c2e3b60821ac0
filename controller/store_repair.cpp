#include "controller/store_repair.h"

#include <unistd.h>

#include "files/file_write.h"

namespace controller {

namespace {

// "AquendorKSV2.set.damaged", then "AquendorKSV2.set.damaged-2" and so on.
constexpr int kMaxCopies = 99;

std::string copyPath(const std::string& path, int number) {
    return path + ".damaged" + (number == 1 ? "" : "-" + std::to_string(number));
}

}  // namespace

StoreRepair repairStore(const std::string& path, const StoreRecords& store, std::size_t maxSets) {
    StoreRepair result;
    std::string copy;
    for (int number = 1; number <= kMaxCopies && copy.empty(); ++number) {
        const std::string candidate = copyPath(path, number);
        const files::NewFileResult made = files::copyToNewFile(path, candidate);
        if (made == files::NewFileResult::Failed) return result;
        if (made == files::NewFileResult::Written) copy = candidate;
    }
    if (copy.empty()) return result;
    if (!files::rewriteFile(path, store.usableRecords(maxSets))) {
        ::unlink(copy.c_str());
        return result;
    }
    result.repaired = true;
    result.copyName = copy.substr(copy.rfind('/') + 1);
    return result;
}

}  // namespace controller
