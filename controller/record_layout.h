// How a controller's parameter record is laid out: a fixed-position
// hexadecimal text, a short form and a long form that adds the alarm-SMS
// settings, and a table of the fields the parameter pages show. Both
// controller programs describe their units with these tables; the codec
// (record_codec.h) works from them alone.
#pragma once

#include <cstddef>
#include <vector>

namespace controller {

enum class FieldKind {
    Float,   // 8 digits, printed with format into a masked field
    Word16,  // 4 digits, printed with format into a masked field
    Byte,    // 2 digits, printed with format into a masked field
    Time,    // hour byte and minute byte, "%04i" into "##:##"
    Choice,  // a byte that selects one button of a radio group
    Check,   // 0 or 1
    Bits,    // a byte whose bits are check boxes
};

// A Choice field's byte -> the button it selects (an index outside the
// group selects none).
using ChooseButton = int (*)(int byte);

// The byte is the button index.
int byteIsIndex(int byte);
// A contact input: 0 selects the second button ("Öffner"), anything else
// the first ("Schliesser").
int contactButton(int byte);

struct ParameterField {
    std::size_t offset;
    FieldKind kind;
    int page;
    int control;               // the field, box or first button
    const char* format;        // printf format of numeric fields
    std::vector<int> buttons;  // Choice: the buttons in index order; Bits: the box of bit 0, 1 ...
    const char* germanName;    // for messages that name the field
    const char* englishName;

    // Choice fields.
    ChooseButton choose = byteIsIndex;
    std::vector<int> values = {};  // the byte written for each button (empty: its index)
    int noneValue = -1;            // written when no button is selected (-1: the byte stays)
    bool namesUnit = false;        // the selected index also names the unit labels elsewhere
};

// Where the alarm-SMS settings of the long form lie and which controls of
// which page show them. The texts are 20, 4, 20 and 30 characters wide.
struct SmsLayout {
    int page;
    std::size_t dialNumber;  // text 20: the dial-in number, a combo box's edit text
    int dialNumberControl;
    std::size_t prefix;  // text 4: the outside-line prefix
    int prefixControl;
    std::size_t accessNumber;  // text 20: the provider access number, a label
    int accessNumberControl;
    std::size_t extraText;  // text 30: additional text of the SMS
    int extraTextControl;
    std::size_t flags;           // word32: send an SMS on these alarms
    std::vector<int> flagBoxes;  // the check box of bit 0, 1 ... (0: none)
};

// The two forms of a record and how the first DPI answer tells them apart.
struct RecordForm {
    std::size_t shortLength;
    std::size_t longLength;
    std::size_t longAnswerLength;  // a first answer this long (end byte included): long form
    std::size_t firstAnswerCut;    // characters that close the first answer
};

struct RecordLayout {
    RecordForm form;
    std::vector<ParameterField> fields;  // both forms carry them, in record order
    SmsLayout sms;                       // the long form only
};

}  // namespace controller
