// What a controller program's main window is made of, as data: the numbers
// of its controls, which of them each button set holds, and its texts.
#pragma once

#include <QString>
#include <vector>

#include "shell/config_file.h"

namespace shell {

// Control numbers of a program's main window.
struct MainWindowControls {
    int comDigit, status, dialNumber, connect, disconnect, serialNumber;
    int location, saveLocation, deleteLocation;
    int modemRadio, nullModemRadio, baud9600, baud19200, exit, placeholder;
    int intervalCheck, read, write;
    std::vector<int> commandButtons;  // the unit commands
    std::vector<int> historyButtons;
    std::vector<int> pageSelectors;  // status page first
    // What a reading-and-writing login enables (the programs differ: one
    // leaves out its read button).
    std::vector<int> fullAccessButtons;
    bool writeDisabledBySerialChange = true;
    bool dialNumberChecked = true;
};

struct ProgramTexts {
    QString caption;     // message caption, "Aquendor® KSV2"
    QString name;        // the program's plain name, "AquendorKSV2"
    QString aboutItem;   // "&Info über Aquendor® KSV2..."
    QString smsCaption;  // "Aquendor KSV2"
    ConfigProfile config;
};

}  // namespace shell
