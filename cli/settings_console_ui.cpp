#include "cli/settings_console_ui.h"

namespace cli {

// A refusal of the file comes with an exclamation mark; the import's own
// note ("setting imported !") with the information sign.
void SettingsConsoleUi::inform(const std::string& text, controller::SettingsIcon icon) {
    if (icon == controller::SettingsIcon::Information) {
        imported_ = true;
        return;
    }
    console_.message(text);
    console_.fail(kRefusedByCheck);
}

// The windows end the program here ("cannot open ... exit program"); the
// tool ends the command with the file's exit code.
void SettingsConsoleUi::fatal(const std::string& text, controller::SettingsIcon) {
    const std::string ending = "\nexit program";
    std::string shown = text;
    if (shown.size() >= ending.size() &&
        shown.compare(shown.size() - ending.size(), ending.size(), ending) == 0)
        shown.erase(shown.size() - ending.size());
    console_.message(shown);
    console_.fail(kFileProblem);
}

}  // namespace cli
