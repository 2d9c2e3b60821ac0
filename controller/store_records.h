// A settings store read as records: the header line, then records of a
// name line and the value lines. The store is whole when its lines after
// the header are whole records and it is no larger than a store can be.
// Anything else is damage (a record cut short by a crash, a full disk or a
// broken copy, an editor's empty lines at the end): a name appended behind
// it would stand where no reader looks for names, and every record after
// it would be read shifted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "controller/setting_lines.h"

namespace controller {

class StoreRecords {
  public:
    // `bytes` is the beginning of the file as read; more than `sizeLimit`
    // bytes mean the file is larger than a store can be.
    StoreRecords(std::string bytes, std::size_t recordLines, std::size_t sizeLimit);

    const std::string& bytes() const { return bytes_; }
    const std::vector<TextLine>& lines() const { return lines_; }
    std::size_t recordLines() const { return recordLines_; }

    // The records at the start that have all their lines.
    std::size_t wholeRecords() const { return whole_; }
    // The first line of a whole record.
    const std::string& name(std::size_t record) const { return lines_[record * recordLines_].text; }
    // The whole record whose name line equals name.
    std::optional<std::size_t> find(const std::string& name) const;

    bool tooLarge() const { return tooLarge_; }
    bool damaged() const { return tooLarge_ || lines_.size() != whole_ * recordLines_; }
    // The first record that is not whole, counted from 1, and its name line
    // (empty when it has none).
    std::size_t brokenRecord() const { return whole_ + 1; }
    std::string brokenName() const;

    // The header and the whole records that can be listed (those with a
    // name), at most maxSets of them: what a damaged store is cut back to.
    std::string usableRecords(std::size_t maxSets) const;

  private:
    std::string bytes_;
    std::size_t recordLines_;
    std::vector<TextLine> lines_;
    std::size_t whole_ = 0;
    bool tooLarge_ = false;
};

}  // namespace controller
