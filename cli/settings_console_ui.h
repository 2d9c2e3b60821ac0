// The settings store's effects for a setting file imported on the command
// line: the file it asks for is the one given, its messages go to the
// console, and whether the import went through is kept.
#pragma once

#include <string>

#include "cli/console.h"
#include "controller/settings_store.h"

namespace cli {

class SettingsConsoleUi : public controller::SettingsUi {
  public:
    SettingsConsoleUi(Console& console, std::string file)
        : console_(console), file_(std::move(file)) {}

    // The store said the set was imported.
    bool imported() const { return imported_; }

    void addName(const std::string&) override {}
    void removeName(const std::string&) override {}
    void inform(const std::string& text, controller::SettingsIcon icon) override;
    bool confirmDelete(const std::string&) override { return false; }
    void fatal(const std::string& text, controller::SettingsIcon icon) override;
    std::string exportFileName() override { return {}; }
    std::string importFileName() override { return file_; }
    void showLinkState() override {}

  private:
    Console& console_;
    std::string file_;
    bool imported_ = false;
};

}  // namespace cli
