// What every program of the suite does before its window opens: answer
// --help and --version on the terminal without a window, keep numbers in
// the C locale, show Qt's own texts in the interface language, open the
// traffic trace when asked for, and choose the working folder.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "shell/labels.h"

namespace shell {

struct ProgramDescription {
    std::string name;     // "AquendorKSV2"
    std::string version;  // "Aquendor® KSV2 Version 1.3"
    std::string helpGerman;
    std::string helpEnglish;  // empty: the program is German only
    // The name of its desktop entry without ".desktop" ("aquendor-ksv2"):
    // its windows carry it as their class, so docks find the entry.
    std::string desktopId;
};

// The description of a controller program: its --help texts are the usage
// line, the program's own lines (what it controls, where its files are)
// and the options both controller programs share.
ProgramDescription controllerDescription(const std::string& name, const std::string& desktopId,
                                         const std::string& version, const std::string& aboutGerman,
                                         const std::string& aboutEnglish);

// The options every program knows, besides the words "german" and
// "english" of the controller programs (which keep their meaning).
struct CommonOptions {
    bool help = false;
    bool version = false;
    bool desktop = false;   // --desktop: started from the desktop menu
    std::string traceFile;  // --trace FILE, else $AQUENDOR_TRACE
    std::string problem;    // an option that is missing its value
    // Words that look like options ("--something") but are none of these;
    // the program says so and starts all the same, as it ignores any other
    // word on its command line.
    std::vector<std::string> unknown;
};

CommonOptions parseCommonOptions(const std::vector<std::string>& arguments);

// The text --help or --version prints, in the language the command line
// chooses; empty when neither was asked for. --version names the program's
// own version and the version of the package it came with.
std::string informationText(const ProgramDescription& program, const CommonOptions& options,
                            LanguageFlag language);

// The terminal's note on options the program does not know; empty when
// there are none.
std::string unknownOptionsText(const std::string& programName, const CommonOptions& options);

// The folder a program started from the desktop menu works in:
// $AQUENDOR_HOME, else "Aquendor" in the user's documents folder.
std::string desktopWorkingFolder();

// After the QApplication exists: numbers back to the C locale, Qt's own
// texts in the interface language, the trace, the working folder. Lives as
// long as the program.
class ProgramStart {
  public:
    ProgramStart(const CommonOptions& options, LanguageFlag language);
    ~ProgramStart();
    // A message for the terminal when something could not be set up (the
    // program goes on).
    const std::string& warning() const { return warning_; }

  private:
    QTranslator qtTexts_;
    std::string warning_;
};

}  // namespace shell
