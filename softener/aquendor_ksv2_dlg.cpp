#include "softener/aquendor_ksv2_dlg.h"

#include <QCheckBox>
#include <QComboBox>

#include "controller/record_exchange.h"
#include "devlink/fields.h"
#include "devlink/login.h"
#include "shell/controls.h"
#include "softener/about_dlg.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func2.h"
#include "softener/child_dlg_func3.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"
#include "softener/ksv2_pages_form.h"
#include "softener/ksv2_unit_functions.h"
#include "softener/softener_backup.h"
#include "softener/softener_labels.h"
#include "softener/softener_settings.h"
#include "softener/status_values.h"
#include "widgets/settings_controls.h"

namespace {

shell::MainWindowControls softenerControls() {
    shell::MainWindowControls c{};
    c.comDigit = 1012;
    c.status = 1013;
    c.dialNumber = 1014;
    c.connect = 1019;
    c.disconnect = 1020;
    c.serialNumber = 1015;
    c.location = 1017;
    c.saveLocation = 1021;
    c.deleteLocation = 1022;
    c.modemRadio = 1037;
    c.nullModemRadio = 1038;
    c.baud9600 = 1039;
    c.baud19200 = 1040;
    c.exit = 1023;
    c.placeholder = 1011;
    c.intervalCheck = 1322;
    c.read = 1024;
    c.write = 1025;
    c.commandButtons = {1028, 1029, 1030, 1031, 1032, 1289};
    c.historyButtons = {1033, 1293};
    c.pageSelectors = {1264, 1265, 1266, 1267, 1296};
    c.fullAccessButtons = {1322, 1024, 1025, 1028, 1029, 1030, 1031, 1032, 1289, 1033, 1293};
    return c;
}

shell::ProgramTexts softenerTexts() {
    return {QString::fromUtf8("Aquendor\u00AE KSV2"), QStringLiteral("AquendorKSV2"),
            QString::fromUtf8("&Info \u00FCber Aquendor\u00AE KSV2..."),
            QStringLiteral("Aquendor KSV2"), shell::softenerConfigProfile()};
}

// Check box 1124 of page 1 and 1272 of page 2 exclude each other.
constexpr int kBeforeServiceCheck = 1124;
constexpr int kBvOffCheck = 1272;

}  // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(softener);
}

CAquendorKSV2Dlg::CAquendorKSV2Dlg(shell::MessageService& messages, QWidget* parent)
    : MainWindowBase(softenerControls(), softenerTexts(), messages, parent) {
    initResources();
    ui_.setupUi(this);
    connectOperation(1025, [this] { writeParameters(); });
    new softener::Ksv2UnitFunctions(*this);  // the window's child
    setFixedSize(size());
}

// The pages go first, while this window is whole: their focus checks look
// at each other and at this window.
CAquendorKSV2Dlg::~CAquendorKSV2Dlg() {
    beginTearDown();
    delete func4_;
    delete func3_;
    delete func2_;
    delete func1_;
    delete info_;
}

QComboBox* CAquendorKSV2Dlg::smsNumberCombo() const {
    return func4_ ? shell::controlAs<QComboBox>(func4_, 1034) : nullptr;
}

void CAquendorKSV2Dlg::createPages() {
    info_ = new CChildDlg_Info(*this);
    func1_ = new CChildDlg_Func1(*this);
    func2_ = new CChildDlg_Func2(*this);
    func3_ = new CChildDlg_Func3(*this);
    func4_ = new CChildDlg_Func4(*this);
    func1_->setPartner(func2_);
    func2_->setPartner(func1_);
    pageHost().setPages(ui_.pagePlaceholder, {info_, func1_, func2_, func3_, func4_});
}

void CAquendorKSV2Dlg::applyEnglishLabels() {
    using namespace softener;
    shell::applyLabels(this, kMainWindowLabels, shell::English);
    shell::applyLabels(info_, kInfoPageLabels, shell::English);
    shell::applyLabels(func1_, kFunc1PageLabels, shell::English);
    shell::applyLabels(func2_, kFunc2PageLabels, shell::English);
    shell::applyLabels(func3_, kFunc3PageLabels, shell::English);
    shell::applyLabels(func4_, kFunc4PageLabels, shell::English);
}

void CAquendorKSV2Dlg::setUpPageFields() {
    info_->setUpFields();
    func1_->setUpFields();
    func2_->setUpFields();
    func3_->setUpFields();
    func4_->setUpFields();
}

void CAquendorKSV2Dlg::loadSettingsStore() {
    settings_ = std::make_unique<widgets::SettingsControls>(
        *this, *this, widgets::SettingsControlIds{1018, 1026, 1027, 1034, 1035},
        softener::softenerSettingsProfile(), std::make_unique<softener::Ksv2PagesForm>(*this));
    settings_->loadNames();
}

void CAquendorKSV2Dlg::beforeShowPage(int index) {
    if (index == 1) {
        auto* bvOff = shell::controlAs<QCheckBox>(func2_, kBvOffCheck);
        shell::enableControl(func1_, kBeforeServiceCheck, !(bvOff && bvOff->isChecked()));
    } else if (index == 2) {
        auto* beforeService = shell::controlAs<QCheckBox>(func1_, kBeforeServiceCheck);
        shell::enableControl(func2_, kBvOffCheck, !(beforeService && beforeService->isChecked()));
    } else if (index == 4) {
        if (QWidget* selector = shell::control(this, 1296)) selector->setFocus();
    }
}

void CAquendorKSV2Dlg::stopPageTimers() {
    info_->stopBlinking();
}

void CAquendorKSV2Dlg::showAboutBox() {
    CAboutDlg about(this);
    about.exec();
}

bool CAquendorKSV2Dlg::readAll() {
    return readAllFrom(ReadEntry::Interactive);
}

bool CAquendorKSV2Dlg::readAllAfterWrite() {
    return readAllFrom(ReadEntry::AfterWrite);
}

bool CAquendorKSV2Dlg::readAllFrom(ReadEntry entry) {
    // The two entry points have always cut the second DPI answer differently.
    if (!controller::fetchStatusAndRecord(operationContext(), [this] { info_->stopBlinking(); },
                                          {softener::kStatusLength, statusArea_, record_,
                                           entry == ReadEntry::AfterWrite ? 4u : 7u}))
        return false;
    unitRecord_ = record_;
    decodeAll();
    ShowLinkState();
    return true;
}

// The hardness shown is the measured one while the page's box says so now,
// as the previous read left it or the operator set it.
void CAquendorKSV2Dlg::decodeAll() {
    softener::Ksv2PagesForm form(*this);
    info_->showStatus(softener::statusValues(statusArea_, record_, form.isChecked(1, 1106)));
    softener::decodeParameters(record_, form);
}

// ---- writing ----------------------------------------------------------------

void CAquendorKSV2Dlg::writeParameters() {
    if (refuseUnreadyWrite()) return;
    // What the unit holds now is kept before anything, the login included,
    // is sent to it.
    if (!softener::backUpBeforeWrite(*this, unitRecord_)) {
        ShowLinkState();
        return;
    }
    if (devlink::controllerLogin(link(), devlink::LoginIntent::Write) == 0) return;
    softener::encodeParameters(softener::Ksv2PagesForm(*this), record_);
    if (!sendParameterRecord()) return;
    unitRecord_ = record_;  // the unit has confirmed it
    if (readAllAfterWrite()) ShowLinkState();
}

bool CAquendorKSV2Dlg::refuseUnreadyWrite() {
    return controller::refuseUnreadyWrite(*this, record_, softener::softenerLayout(),
                                          softener::Ksv2PagesForm(*this));
}

bool CAquendorKSV2Dlg::sendParameterRecord() {
    return controller::sendRecord(link(), record_);
}
