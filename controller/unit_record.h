// A controller's parameter record as received: everything behind "DPI|"
// of one or two answers, and whether the unit uses the long form. The
// record is kept exactly as the unit sent it, so that writing it back
// returns every position no page owns unchanged.
#pragma once

#include <cstddef>
#include <string>

#include "controller/record_layout.h"

namespace controller {

class UnitRecord {
  public:
    explicit UnitRecord(RecordForm form) : form_(form) {}

    // A whole record of zeros in the short or long form: what page contents
    // are encoded into to compare them when nothing has been read yet.
    static UnitRecord zeros(RecordForm form, bool longForm) {
        UnitRecord record(form);
        record.longForm_ = longForm;
        record.text_.assign(record.formLength(), '0');
        return record;
    }

    // The first DPI answer, end byte included: the record is everything
    // behind "DPI|" without the characters that close the answer. An answer
    // of the long form's length means the long form. True when a second
    // answer follows (the first answer starts with a blank).
    bool takeFirstAnswer(const std::string& answer);
    // The second answer is appended from behind "DPI|"; its last `cut`
    // characters are left off.
    void takeSecondAnswer(const std::string& answer, std::size_t cut);

    bool longForm() const { return longForm_; }
    std::size_t formLength() const { return longForm_ ? form_.longLength : form_.shortLength; }
    // True once a read has brought at least a whole record of the form.
    bool complete() const { return !text_.empty() && text_.size() >= formLength(); }
    const std::string& text() const { return text_; }
    std::string& text() { return text_; }

    // What a DPS request carries: the first characters of the form's length.
    std::string writeBody() const { return text_.substr(0, formLength()); }

  private:
    RecordForm form_;
    std::string text_;
    bool longForm_ = false;
};

}  // namespace controller
