// A damaged settings store is first kept as it is, in a copy beside it,
// and then cut back to the records that can be used, so that no set is
// ever appended behind a record cut short. The copy never replaces an
// earlier one: each gets a name of its own.
#pragma once

#include <cstddef>
#include <string>

#include "controller/store_records.h"

namespace controller {

struct StoreRepair {
    bool repaired = false;  // the copy is kept and the store cut back
    std::string copyName;   // the copy's file name, in the store's folder
};

// Nothing is changed, and no copy left, unless both steps succeed.
StoreRepair repairStore(const std::string& path, const StoreRecords& store, std::size_t maxSets);

}  // namespace controller
