// The DFI block loop of a data-logger readout. The unit answers each "DFI|"
// with one block; a block that starts with a blank announces another. The
// byte count the unit gave bounds the number of blocks asked for, so a unit
// that keeps announcing more cannot hold the program forever.
#pragma once

#include <cstdint>
#include <functional>

#include "devlink/device_link.h"
#include "measuring/logger_record.h"

namespace measuring {

enum class TransferEnd {
    Complete,   // the block without a leading blank has come
    Failed,     // an exchange failed; it has shown why
    Cancelled,  // the operator stopped it after a block
    Endless,    // more blocks announced than the byte count allows
};

// ceil(bytes * 2 / 504) + 1: the blocks the data needs, and one more.
std::uint64_t maxBlocks(std::uint32_t byteCount);

// Asks for blocks until the last one, feeding their data to records. After
// each block `goOn` is told and answers whether to go on; after the last
// block its answer no longer matters.
TransferEnd transferBlocks(devlink::DeviceLink& link, std::uint32_t byteCount,
                           RecordCollector& records, const std::function<bool()>& goOn);

}  // namespace measuring
