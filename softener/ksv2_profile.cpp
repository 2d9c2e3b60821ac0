#include "softener/ksv2_profile.h"

#include "resources/ids/ksv2_ids.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func2.h"
#include "softener/child_dlg_func3.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"
#include "softener/parameter_record.h"
#include "softener/parameter_values.h"
#include "softener/softener_labels.h"
#include "softener/softener_settings.h"
#include "softener/status_record.h"
#include "softener/status_values.h"

namespace softener {

namespace {

namespace ids = ksv2::ids;

shell::MainWindowControls controls() {
    return {
        .comDigit = ids::ComDigitEdit,
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
        .commandButtons = {ids::QuitErrorButton, ids::ResetButton, ids::RegenerationButton,
                           ids::ReserveFilterButton, ids::ChangeFilterButton, ids::SetClockButton},
        .historyButtons = {ids::ErrorHistoryButton, ids::StatusHistoryButton},
        .pageSelectors = {ids::InfoPageRadio, ids::Func1PageRadio, ids::Func2PageRadio,
                          ids::Func3PageRadio, ids::Func4PageRadio},
        .fullAccessButtons = {ids::IntervalReadingCheck, ids::ReadButton, ids::WriteButton,
                              ids::QuitErrorButton, ids::ResetButton, ids::RegenerationButton,
                              ids::ReserveFilterButton, ids::ChangeFilterButton,
                              ids::SetClockButton, ids::ErrorHistoryButton,
                              ids::StatusHistoryButton}};
}

shell::ProgramTexts texts() {
    return {QString::fromUtf8("Aquendor\u00AE KSV2"), QStringLiteral("AquendorKSV2"),
            QString::fromUtf8("&Info \u00FCber Aquendor\u00AE KSV2..."),
            QStringLiteral("Aquendor KSV2"), shell::softenerConfigProfile()};
}

// Pages 1 and 2 limit each other's stage fields.
std::vector<shell::ChildPage*> createPages(shell::MainWindowBase& window) {
    auto* info = new CChildDlg_Info(window);
    auto* func1 = new CChildDlg_Func1(window);
    auto* func2 = new CChildDlg_Func2(window);
    auto* func3 = new CChildDlg_Func3(window);
    auto* func4 = new CChildDlg_Func4(window);
    func1->setPartner(func2);
    func2->setPartner(func1);
    return {info, func1, func2, func3, func4};
}

}  // namespace

widgets::ControllerProfile ksv2Profile() {
    widgets::ControllerProfile profile;
    profile.controls = controls();
    profile.texts = texts();
    profile.mainLabels = &kMainWindowLabels;
    profile.pageLabels = {&kInfoPageLabels, &kFunc1PageLabels, &kFunc2PageLabels, &kFunc3PageLabels,
                          &kFunc4PageLabels};
    profile.createPages = createPages;
    profile.smsNumbers = {4, ids::SmsNumberCombo};
    profile.settingsIds = {ids::SettingsCombo, ids::SaveSettingButton, ids::DeleteSettingButton,
                           ids::ExportButton, ids::ImportButton};
    profile.settings = softenerSettingsProfile();
    profile.statusLength = kStatusLength;
    profile.layout = &softenerLayout();
    profile.decodeRecord = decodeParameters;
    profile.encodeRecord = encodeParameters;
    profile.secondAnswerCut = 7;
    profile.secondAnswerCutAfterWrite = 4;
    profile.readAgainAfterWrite = true;
    profile.values = &softenerValueTable();
    profile.statusValues = [](std::string_view area, const controller::UnitRecord& record) {
        return statusValues(area, record);
    };
    return profile;
}

}  // namespace softener
