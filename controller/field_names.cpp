#include "controller/field_names.h"

#include <utility>

namespace controller {

FieldName maskedField(std::size_t offset, const char* name, const char* german, const char* english,
                      const char* mask, const char* unit, const char* unitEnglish) {
    return {offset, name, german, english, mask, unit, unitEnglish};
}

FieldName secondsField(std::size_t offset, const char* name, const char* german,
                       const char* english) {
    return maskedField(offset, name, german, english, "##", "Sek.", "sec.");
}

FieldName flagField(std::size_t offset, const char* name, const char* german, const char* english) {
    return {offset, name, german, english};
}

FieldName choiceField(std::size_t offset, const char* name, const char* german, const char* english,
                      std::vector<OptionName> options) {
    FieldName field{offset, name, german, english};
    field.options = std::move(options);
    return field;
}

FieldName contactField(std::size_t offset, const char* name, const char* german,
                       const char* english) {
    return choiceField(offset, name, german, english,
                       {{"normally_open", "Schliesser", "norm. open"},
                        {"normally_closed", "\u00D6ffner", "norm. closed"}});
}

}  // namespace controller
