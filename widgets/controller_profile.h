// What sets one controller program's main window apart from the other's,
// as data: its controls, texts and label tables, how its pages are made,
// its named settings, its unit's record and status area, and how reading
// and writing differ between the units.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "controller/parameter_form.h"
#include "controller/record_layout.h"
#include "controller/settings_profile.h"
#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "controller/value_table.h"
#include "shell/child_page.h"
#include "shell/labels.h"
#include "shell/main_window_controls.h"
#include "widgets/settings_controls.h"

namespace widgets {

// A control on one of the hosted pages.
struct PageControl {
    int page = 0;
    int control = 0;
};

struct ControllerProfile {
    shell::MainWindowControls controls;
    shell::ProgramTexts texts;

    // The English captions: the main window's table, then one table a page,
    // status page first.
    const std::vector<shell::LabelEntry>* mainLabels = nullptr;
    std::vector<const std::vector<shell::LabelEntry>*> pageLabels;
    // Makes the pages, status page first (a widgets::StatusPage), each a
    // child of the window; the page selectors name them in this order.
    std::function<std::vector<shell::ChildPage*>(shell::MainWindowBase&)> createPages;
    // The alarm-SMS page's list of dial-in numbers.
    PageControl smsNumbers;

    // The "Einstellungen" group and what a named set holds.
    SettingsControlIds settingsIds{};
    controller::SettingsProfile settings;

    // The unit: its status area behind "DSI|", its parameter record and
    // how the record goes onto the pages and back.
    std::size_t statusLength = 0;
    const controller::RecordLayout* layout = nullptr;
    void (*decodeRecord)(const controller::UnitRecord&, controller::ParameterForm&) = nullptr;
    void (*encodeRecord)(const controller::ParameterForm&, controller::UnitRecord&) = nullptr;

    // The characters that close a second DPI answer: on a read from the
    // read button or the interval timer, and on the read after a write or a
    // unit command. The units have always differed here.
    std::size_t secondAnswerCut = 4;
    std::size_t secondAnswerCutAfterWrite = 4;
    // A confirmed write reads the unit again (the pages then show what the
    // unit took), or leaves the pages as the operator typed them.
    bool readAgainAfterWrite = false;

    // The record and the status area as named values, with their texts as
    // the pages show them.
    const controller::ParameterValueTable* values = nullptr;
    controller::UnitValues (*statusValues)(std::string_view area,
                                           const controller::UnitRecord& record) = nullptr;
};

}  // namespace widgets
