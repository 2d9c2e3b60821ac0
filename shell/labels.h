// Label tables: the German template caption and the English caption of a
// control, keyed by its number. Controls that no table names keep their
// template caption in both languages.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace shell {

enum LanguageFlag { German = 0, English = 1 };

struct LabelEntry {
    int id;
    const char* german;
    const char* english;
};

// "german" anywhere in the command line (program path included) gives
// German, else "english" anywhere gives English, else German. The search is
// case-sensitive and finds the words inside longer words too.
LanguageFlag determineLanguage(const std::string& commandLine);

// The process's whole command line: program path and arguments, joined by blanks.
std::string commandLineOf(int argc, char** argv);

// Sets the caption of every listed control of window.
void applyLabels(const QWidget* window, const std::vector<LabelEntry>& table,
                 LanguageFlag language);

// The caption a control shows now: text of a button or label, title of a group.
QString captionOf(const QWidget* widget);

}  // namespace shell
