#include "cli/controller_unit.h"

#include <algorithm>

#include "controller/backup_before_write.h"
#include "controller/parameter_values.h"
#include "controller/record_exchange.h"
#include "devlink/login.h"

namespace cli {

ControllerUnit::ControllerUnit(const ControllerKind& kind, controller::OperationContext context)
    : kind_(kind), context_(context), record_(kind.layout->form) {}

bool ControllerUnit::readAll(bool afterWrite) {
    const std::size_t cut = afterWrite ? kind_.secondAnswerCutAfterWrite : kind_.secondAnswerCut;
    controller::UnitRecord record(kind_.layout->form);
    std::string area;
    if (!controller::fetchStatusAndRecord(context_, [] {}, {kind_.statusLength, area, record, cut}))
        return false;
    statusArea_ = area;
    record_ = record;
    return true;
}

controller::UnitValues ControllerUnit::status() const {
    return kind_.statusValues(statusArea_, record_);
}

// Page by page, in record order on each page, as an operator reads them.
controller::UnitValues ControllerUnit::parametersOf(const controller::UnitRecord& record) const {
    controller::UnitValues values = controller::parameterValues(*kind_.table, record);
    std::stable_sort(values.begin(), values.end(),
                     [](const controller::UnitValue& a, const controller::UnitValue& b) {
                         return a.page < b.page;
                     });
    return values;
}

controller::MemoryForm ControllerUnit::pagesShowing(const controller::UnitRecord& record) const {
    controller::MemoryForm pages(kind_.settings.values, kind_.settings.placeholder,
                                 controller::fieldMasks(*kind_.table));
    kind_.decode(record, pages);
    return pages;
}

std::string ControllerUnit::settingFile() const {
    return controller::decodedAsSettingFile(
        kind_.settings, [this](controller::ParameterForm& form) { kind_.decode(record_, form); });
}

bool ControllerUnit::refuseWrite(const controller::ParameterForm& pages) const {
    return controller::refuseUnreadyWrite(context_.ui, record_, *kind_.layout, pages);
}

controller::UnitRecord ControllerUnit::encoded(const controller::ParameterForm& pages) const {
    controller::UnitRecord changed = record_;
    kind_.encode(pages, changed);
    return changed;
}

bool ControllerUnit::write(const controller::UnitRecord& changed) {
    // What the unit holds now is kept before anything, the login included,
    // is sent to it.
    if (!controller::backUpBeforeWrite(context_.ui, record_, [this] { return settingFile(); }))
        return false;
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::Write) == 0) return false;
    if (!controller::sendRecord(context_.link, changed)) return false;
    record_ = changed;
    return !kind_.readAgainAfterWrite || readAll(true);
}

}  // namespace cli
