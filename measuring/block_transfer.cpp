#include "measuring/block_transfer.h"

#include <string_view>

namespace measuring {

std::uint64_t maxBlocks(std::uint32_t byteCount) {
    const std::uint64_t characters = static_cast<std::uint64_t>(byteCount) * 2;
    return (characters + kBlockDataChars - 1) / kBlockDataChars + 1;
}

TransferEnd transferBlocks(devlink::DeviceLink& link, std::uint32_t byteCount,
                           RecordCollector& records, const std::function<bool()>& goOn) {
    const std::uint64_t limit = maxBlocks(byteCount);
    devlink::AnswerBuffer answer{};
    for (std::uint64_t block = 1;; ++block) {
        if (!link.exchange("DFI|", "DFI", true, answer)) return TransferEnd::Failed;
        const std::string_view received(answer.data(), devlink::answerLength(answer));
        records.add(blockData(received));
        const bool goingOn = goOn();
        // The last block is the one without a leading blank, whatever its length.
        if (received.front() != ' ') return TransferEnd::Complete;
        if (block >= limit) return TransferEnd::Endless;
        if (!goingOn) return TransferEnd::Cancelled;
    }
}

}  // namespace measuring
