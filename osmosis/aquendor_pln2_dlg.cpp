#include "osmosis/aquendor_pln2_dlg.h"

#include <QComboBox>

#include "controller/backup_before_write.h"
#include "controller/record_codec.h"
#include "controller/record_exchange.h"
#include "devlink/fields.h"
#include "devlink/login.h"
#include "osmosis/about_dlg.h"
#include "osmosis/child_dlg_func1.h"
#include "osmosis/child_dlg_func2.h"
#include "osmosis/child_dlg_func3.h"
#include "osmosis/child_dlg_info.h"
#include "osmosis/osmosis_labels.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/pln2_pages_form.h"
#include "osmosis/pln2_unit_functions.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "shell/controls.h"
#include "widgets/settings_controls.h"

namespace {

// A reading-and-writing login leaves the read button as it is; a new
// serial number keeps the write button, and the dial number is not checked.
shell::MainWindowControls osmosisControls() {
    return {.comDigit = 1006,
            .status = 1007,
            .dialNumber = 1011,
            .connect = 1009,
            .disconnect = 1010,
            .serialNumber = 1013,
            .location = 1015,
            .saveLocation = 1016,
            .deleteLocation = 1017,
            .modemRadio = 1020,
            .nullModemRadio = 1021,
            .baud9600 = 1219,
            .baud19200 = 1220,
            .exit = 1019,
            .placeholder = 1005,
            .intervalCheck = 1221,
            .read = 1022,
            .write = 1023,
            .commandButtons = {1024, 1025, 1027, 1028, 1213},
            .historyButtons = {1032},
            .pageSelectors = {1037, 1038, 1039, 1217},
            .fullAccessButtons = {1221, 1023, 1024, 1025, 1027, 1028, 1213, 1032},
            .writeDisabledBySerialChange = false,
            .dialNumberChecked = false};
}

shell::ProgramTexts osmosisTexts() {
    return {QString::fromUtf8("Aquendor\u00AE PLN2"), QStringLiteral("AquendorPLN2"),
            QString::fromUtf8("&Info \u00FCber Aquendor\u00AE PLN2..."),
            QStringLiteral("Aquendor PLN2"), shell::osmosisConfigProfile()};
}

constexpr int kSmsNumberCombo = 1208;  // on page 3; the main window's 1208 names settings

}  // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(osmosis);
}

CAquendorPLN2Dlg::CAquendorPLN2Dlg(shell::MessageService& messages, QWidget* parent)
    : MainWindowBase(osmosisControls(), osmosisTexts(), messages, parent),
      record_(osmosis::osmosisLayout().form),
      unitRecord_(osmosis::osmosisLayout().form) {
    initResources();
    ui_.setupUi(this);
    connectOperation(1023, [this] { writeParameters(); });
    functions_ = new osmosis::Pln2UnitFunctions(*this);  // the window's child
    setFixedSize(size());
}

// The pages go first, while this window is whole: their focus checks look
// at this window.
CAquendorPLN2Dlg::~CAquendorPLN2Dlg() {
    beginTearDown();
    delete func3_;
    delete func2_;
    delete func1_;
    delete info_;
}

QComboBox* CAquendorPLN2Dlg::smsNumberCombo() const {
    return func3_ ? shell::controlAs<QComboBox>(func3_, kSmsNumberCombo) : nullptr;
}

void CAquendorPLN2Dlg::createPages() {
    info_ = new osmosis::CChildDlg_Info(*this);
    func1_ = new osmosis::CChildDlg_Func1(*this);
    func2_ = new osmosis::CChildDlg_Func2(*this);
    func3_ = new osmosis::CChildDlg_Func3(*this);
    pageHost().setPages(ui_.pagePlaceholder, {info_, func1_, func2_, func3_});
}

void CAquendorPLN2Dlg::applyEnglishLabels() {
    shell::applyLabels(this, osmosis::kMainWindowLabels, shell::English);
    for (std::size_t page = 0; page < osmosis::kPageLabels.size(); ++page)
        shell::applyLabels(pageHost().page(static_cast<int>(page)), osmosis::kPageLabels[page],
                           shell::English);
}

void CAquendorPLN2Dlg::setUpPageFields() {
    info_->setUpFields();
    func1_->setUpFields();
    func2_->setUpFields();
    func3_->setUpFields();
}

void CAquendorPLN2Dlg::loadSettingsStore() {
    settings_ = std::make_unique<widgets::SettingsControls>(
        *this, *this, widgets::SettingsControlIds{1208, 1209, 1210, 1211, 1212},
        osmosis::osmosisSettingsProfile(), std::make_unique<osmosis::Pln2PagesForm>(*this));
    settings_->loadNames();
}

void CAquendorPLN2Dlg::stopPageTimers() {
    info_->stopBlinking();
}

void CAquendorPLN2Dlg::showAboutBox() {
    osmosis::CAboutDlg about(this);
    about.exec();
}

bool CAquendorPLN2Dlg::readAll() {
    if (!controller::fetchStatusAndRecord(operationContext(), [this] { info_->stopBlinking(); },
                                          {osmosis::kStatusLength, statusArea_, record_, 4}))
        return false;
    unitRecord_ = record_;
    decodeAll();
    ShowLinkState();
    return true;
}

// The calibration factor is the one page field the status read fills.
void CAquendorPLN2Dlg::decodeAll() {
    osmosis::Pln2PagesForm form(*this);
    const controller::UnitValues status = osmosis::statusValues(statusArea_);
    info_->showStatus(status);
    form.setMaskText(2, 1150, controller::valueNamed(status, "calibration_factor").characters);
    controller::decodeRecord(osmosis::osmosisLayout(), record_, form);
}

void CAquendorPLN2Dlg::writeParameters() {
    const controller::RecordLayout& layout = osmosis::osmosisLayout();
    osmosis::Pln2PagesForm form(*this);
    if (controller::refuseUnreadyWrite(*this, record_, layout, form)) return;
    // What the unit holds now is kept before anything, the login included,
    // is sent to it.
    if (!backUpUnitRecord()) {
        ShowLinkState();
        return;
    }
    if (devlink::controllerLogin(link(), devlink::LoginIntent::Write) == 0) return;
    controller::encodeRecord(layout, form, record_);
    if (!controller::sendRecord(link(), record_)) return;
    unitRecord_ = record_;  // the unit has confirmed it
    ShowLinkState();
}

// The record last read, as the pages showed it right after that read.
bool CAquendorPLN2Dlg::backUpUnitRecord() {
    static const controller::SettingsProfile profile = osmosis::osmosisSettingsProfile();
    return controller::backUpBeforeWrite(*this, unitRecord_, [this] {
        return controller::decodedAsSettingFile(profile, [this](controller::ParameterForm& form) {
            controller::decodeRecord(osmosis::osmosisLayout(), unitRecord_, form);
        });
    });
}
