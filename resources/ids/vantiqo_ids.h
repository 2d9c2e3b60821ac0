// The control numbers of Vantiqo's windows and pages, by name.
// Written by tools/uigen/uigen.py from the layout tables, as the .ui
// files are: change a layout there and run it again, never this file.
#pragma once

namespace vantiqo::ids {

inline constexpr int OkButton = 1;
inline constexpr int SerialConnectorGroup = 1000;
inline constexpr int ComDigitEdit = 1001;
inline constexpr int LoggerReadButton = 1002;
inline constexpr int SerialNumberGroup = 1004;
inline constexpr int SerialNumberEdit = 1005;
inline constexpr int StatusEdit = 1006;
inline constexpr int StatusGroup = 1007;
inline constexpr int LoggerClearButton = 1008;
inline constexpr int DialNumberGroup = 1009;
inline constexpr int ConnectionGroup = 1010;
inline constexpr int DialNumberEdit = 1011;
inline constexpr int ConnectButton = 1012;
inline constexpr int DisconnectButton = 1013;
inline constexpr int ModemRadio = 1014;
inline constexpr int NullModemRadio = 1015;
inline constexpr int DataLoggerGroup = 1016;
inline constexpr int ExitButton = 1017;
inline constexpr int MeasuredValueButton = 1018;
inline constexpr int MeasuredValueGroup = 1019;
inline constexpr int MeasuredValueEdit = 1020;
inline constexpr int VariantLabel = 1021;
inline constexpr int TrendButton = 1022;

}  // namespace vantiqo::ids
