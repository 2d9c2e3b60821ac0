# Qt's and GoogleTest's headers take most of the compile time of a window
# source or a test: each Qt library and test program compiles them once, as
# a precompiled header, instead of once per source file. The libraries that
# must stay free of Qt (devlink, unitsim) get none.
option(AQUENDOR_PCH "Precompile the Qt and GoogleTest headers" ON)

set(AQUENDOR_STD_PCH <algorithm> <cstdint> <functional> <memory> <optional> <string> <vector>)
set(AQUENDOR_QT_PCH
  <QAbstractButton> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QLabel> <QLineEdit>
  <QObject> <QRadioButton> <QString> <QTimer> <QWidget>)

# A Qt library or program.
function(aquendor_qt_pch target)
  if(AQUENDOR_PCH)
    target_precompile_headers(${target} PRIVATE ${AQUENDOR_STD_PCH} ${AQUENDOR_QT_PCH})
  endif()
endfunction()

# A test program: QT when it uses Qt Widgets, QTEST when QtTest as well.
function(aquendor_test_pch target)
  if(AQUENDOR_PCH)
    cmake_parse_arguments(PCH "QT;QTEST" "" "" ${ARGN})
    set(headers <gtest/gtest.h> ${AQUENDOR_STD_PCH})
    if(PCH_QT)
      list(APPEND headers ${AQUENDOR_QT_PCH})
    endif()
    if(PCH_QTEST)
      list(APPEND headers <QTest>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()
