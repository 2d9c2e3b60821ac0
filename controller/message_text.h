// Message texts of the controller operations: the German or the English
// text after the interface language, and numbered places ("%1", "%2")
// filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "devlink/link_window.h"

namespace controller {

// The German or the English text, after the window's language.
std::string tr2(const devlink::LinkWindow& ui, const char* german, const char* english);

// Every "%1" takes the first value, "%2" the second ... in one pass: a
// value that holds "%2" itself stays as it is.
std::string withArgs(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace controller
