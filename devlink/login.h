// Login to a unit with its six-digit serial number. The unit answers with
// the authorisation level; the login reports the answer to the window and
// says what it means for the operation.
#pragma once

#include <string>
#include <string_view>

#include "devlink/device_link.h"

namespace devlink {

enum class LoginIntent { Read = 0, Write = 1, QuietRead = 2 };

// Exactly six decimal digits: the only serial numbers that go on the wire,
// and the only ones that become part of a folder or file name.
bool isSixDigitSerial(std::string_view serial);

// The login request for a serial-number text: "CSN|" + serial + "|".
std::string loginRequest(const std::string& serialNumber);

// Controller programs: 0 not logged in, 1 reading only, 2 reading and
// writing. A whole answer goes to the window's loginAnswered first.
int controllerLogin(DeviceLink& link, LoginIntent intent);

// Measuring program: 0 failure, 1 no access, 2 reading only, 3 reading and
// writing, 4 wrong serial number. Keeps the device-type character of the
// last login: "1" to "6" from a long answer, "0" after a short one.
class MeasuringLogin {
  public:
    int login(DeviceLink& link, LoginIntent intent);
    char deviceType() const { return deviceType_; }
    // "Vantiqo LM" ... "Vantiqo ClO2" for "1" ... "6", else empty.
    static std::string variantName(char deviceType);

  private:
    int readingOnly(DeviceLink& link, LoginIntent intent);
    char deviceType_ = '0';
};

}  // namespace devlink
