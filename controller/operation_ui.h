// What a unit operation of a controller program needs from whoever runs it,
// beyond the device link's own effects: message boxes that may ask, the
// page of a parameter field brought to the front, the start folder, file
// dialogs and the end of the program after a fatal file problem. The main
// windows implement it; a test or a program without a window can put its
// own behind it.
#pragma once

#include <string>

#include "devlink/link_window.h"

namespace controller {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
// YesNoDefaultNo: a question whose safe answer is No, which Enter then gives.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

// A message box. The text is UTF-8; the caption is the program caption
// ("Aquendor® KSV2") or the program's plain name.
struct Message {
    std::string text;
    devlink::MessageCaption caption = devlink::MessageCaption::ProgramCaption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool keepOnTop = false;
};

class OperationUi : public devlink::LinkWindow {
  public:
    // Shows the message and returns the operator's answer (Ok for a plain
    // message).
    virtual MessageAnswer say(const Message& message) = 0;

    // The page holding a parameter field comes to the front, the field's
    // text selected: page and control as the record layout names them.
    virtual void showField(int page, int control) = 0;

    // The folder the program was started in, as the file system spells it.
    virtual std::string startDirectory() const = 0;

    // File dialogs; an empty name when the operator cancels. Names are UTF-8.
    virtual std::string saveFileName(const std::string& title, const std::string& proposed,
                                     const std::string& filter) = 0;
    virtual std::string openFileName(const std::string& title, const std::string& folder,
                                     const std::string& filter) = 0;

    // Ends the program at once with exit code 0, after a fatal file problem.
    // When it returns (tests), the operation has ended too.
    virtual void endProgramNow() = 0;
};

}  // namespace controller
