#include "osmosis/pln2_profile.h"

#include "controller/record_codec.h"
#include "osmosis/child_dlg_func1.h"
#include "osmosis/child_dlg_func2.h"
#include "osmosis/child_dlg_func3.h"
#include "osmosis/child_dlg_info.h"
#include "osmosis/osmosis_labels.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "resources/ids/pln2_ids.h"

namespace osmosis {

namespace {

namespace ids = pln2::ids;

// A reading-and-writing login leaves the read button as it is; a new
// serial number keeps the write button, and the dial number is not checked.
shell::MainWindowControls controls() {
    return {.comDigit = ids::ComDigitEdit,
            .status = ids::StatusEdit,
            .dialNumber = ids::DialNumberEdit,
            .connect = ids::ConnectButton,
            .disconnect = ids::DisconnectButton,
            .serialNumber = ids::SerialNumberEdit,
            .location = ids::LocationCombo,
            .saveLocation = ids::SaveLocationButton,
            .deleteLocation = ids::DeleteLocationButton,
            .modemRadio = ids::ModemRadio,
            .nullModemRadio = ids::NullModemRadio,
            .baud9600 = ids::Baud9600Radio,
            .baud19200 = ids::Baud19200Radio,
            .exit = ids::ExitButton,
            .placeholder = ids::PagePlaceholder,
            .intervalCheck = ids::IntervalReadingCheck,
            .read = ids::ReadButton,
            .write = ids::WriteButton,
            .commandButtons = {ids::QuitErrorButton, ids::ResetButton, ids::RunStopButton,
                               ids::FlushButton, ids::SetClockButton},
            .historyButtons = {ids::ErrorHistoryButton},
            .pageSelectors = {ids::InfoPageRadio, ids::Func1PageRadio, ids::Func2PageRadio,
                              ids::Func3PageRadio},
            .fullAccessButtons = {ids::IntervalReadingCheck, ids::WriteButton, ids::QuitErrorButton,
                                  ids::ResetButton, ids::RunStopButton, ids::FlushButton,
                                  ids::SetClockButton, ids::ErrorHistoryButton},
            .writeDisabledBySerialChange = false,
            .dialNumberChecked = false};
}

shell::ProgramTexts texts() {
    return {QString::fromUtf8("Aquendor\u00AE PLN2"), QStringLiteral("AquendorPLN2"),
            QString::fromUtf8("&Info \u00FCber Aquendor\u00AE PLN2..."),
            QStringLiteral("Aquendor PLN2"), shell::osmosisConfigProfile()};
}

std::vector<shell::ChildPage*> createPages(shell::MainWindowBase& window) {
    auto* info = new CChildDlg_Info(window);
    auto* func1 = new CChildDlg_Func1(window);
    auto* func2 = new CChildDlg_Func2(window);
    auto* func3 = new CChildDlg_Func3(window);
    return {info, func1, func2, func3};
}

void decodeRecord(const controller::UnitRecord& record, controller::ParameterForm& form) {
    controller::decodeRecord(osmosisLayout(), record, form);
}

void encodeRecord(const controller::ParameterForm& form, controller::UnitRecord& record) {
    controller::encodeRecord(osmosisLayout(), form, record);
}

}  // namespace

widgets::ControllerProfile pln2Profile() {
    widgets::ControllerProfile profile;
    profile.controls = controls();
    profile.texts = texts();
    profile.mainLabels = &kMainWindowLabels;
    for (const std::vector<shell::LabelEntry>& table : kPageLabels)
        profile.pageLabels.push_back(&table);
    profile.createPages = createPages;
    // On page 3; the main window's control of the same number names settings.
    profile.smsNumbers = {3, ids::SmsNumberCombo};
    profile.settingsIds = {ids::SettingsCombo, ids::SaveSettingButton, ids::DeleteSettingButton,
                           ids::ExportButton, ids::ImportButton};
    profile.settings = osmosisSettingsProfile();
    profile.statusLength = kStatusLength;
    profile.layout = &osmosisLayout();
    profile.decodeRecord = decodeRecord;
    profile.encodeRecord = encodeRecord;
    // Both reads cut the second DPI answer alike; a write leaves the pages
    // as the operator typed them.
    profile.secondAnswerCut = 4;
    profile.secondAnswerCutAfterWrite = 4;
    profile.readAgainAfterWrite = false;
    profile.values = &osmosisValueTable();
    profile.statusValues = [](std::string_view area, const controller::UnitRecord&) {
        return statusValues(area);
    };
    return profile;
}

}  // namespace osmosis
