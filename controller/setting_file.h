// A single parameter set in a file of its own ("*.stg"): the header line
// and the value lines of one set, without a name. Exported to move a set
// to another PC, imported to put it on the pages, and written as the
// automatic backup of a unit's parameters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/parameter_form.h"
#include "controller/setting_lines.h"
#include "controller/setting_values.h"

namespace controller {

class SettingFile {
  public:
    explicit SettingFile(const std::vector<SettingValue>& values) : values_(values) {}

    // The whole file for the values the pages hold now.
    std::string bytesOf(const ParameterForm& form) const;

    // The value lines of a file that holds exactly one set; nothing for a
    // truncated file or one of another program (too few or too many
    // values). `found` receives the number of values the file holds.
    std::optional<std::vector<std::string>> valuesOf(std::string_view bytes,
                                                     std::size_t* found = nullptr) const;

  private:
    std::size_t valuesPresent(const std::vector<TextLine>& lines) const;

    const std::vector<SettingValue>& values_;
};

}  // namespace controller
