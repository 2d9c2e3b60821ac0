# What `cmake --install` puts on a technician's computer, and the Debian
# package CPack makes of it (scripts/package.sh).
include(GNUInstallDirs)

set(AQUENDOR_PROGRAMS AquendorKSV2 AquendorPLN2 Vantiqo aquendor-ports unitsim_cli aquendorctl)
foreach(program IN LISTS AQUENDOR_PROGRAMS)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

set(DESKTOP ${PROJECT_SOURCE_DIR}/resources/desktop)
# The desktop entries, the AppStream metainfo (what software centres show of
# a program) and the icons of the programs that are built.
foreach(triple "AquendorKSV2;aquendor-ksv2;ksv2" "AquendorPLN2;aquendor-pln2;pln2"
               "Vantiqo;vantiqo;vantiqo")
  list(GET triple 0 program)
  list(GET triple 1 icon)
  list(GET triple 2 component)
  if(TARGET ${program})
    install(FILES ${DESKTOP}/${icon}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${DESKTOP}/example.aquendor.${component}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${DESKTOP}/icons/${icon}-48.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME ${icon}.png)
    install(FILES ${DESKTOP}/icons/${icon}-256.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME ${icon}.png)
    install(FILES ${DESKTOP}/icons/${icon}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    list(APPEND AQUENDOR_MANUALS ${program})
  endif()
endforeach()
list(APPEND AQUENDOR_MANUALS aquendor-ports unitsim aquendorctl)
# The command line's completion, where bash-completion looks for it.
install(FILES ${DESKTOP}/completion/aquendorctl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages and the changelog go compressed, as Debian keeps them.
set(AQUENDOR_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${AQUENDOR_PACKAGE_NAME})
foreach(name IN LISTS AQUENDOR_MANUALS)
  set(source ${DESKTOP}/man/${name}.1)
  set(packed ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.1.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND gzip -9n -c ${source} > ${packed} DEPENDS ${source} VERBATIM)
  list(APPEND AQUENDOR_PACKED ${packed})
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9n -c ${DESKTOP}/changelog > ${changelog} DEPENDS ${DESKTOP}/changelog VERBATIM)
add_custom_target(packed_documents ALL DEPENDS ${AQUENDOR_PACKED} ${changelog})
install(FILES ${changelog} ${DESKTOP}/copyright DESTINATION ${AQUENDOR_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AQUENDOR_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Aquendor suite developers <service@aquendor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "remote control of Aquendor and Vantiqo water-treatment controllers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Operator programs for the Aquendor KSV2 softener, the Aquendor PLN2\n"
  "reverse-osmosis controller and the Vantiqo measuring and dosing controller,\n"
  "over a serial cable or a Hayes modem: status, parameters, commands,\n"
  "histories and data-logger readouts. With aquendorctl for scripts, cron jobs\n"
  "and service rounds on the command line, aquendor-ports to map COM names\n"
  "to serial devices, and a unit simulator.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's German texts, the file browser for "show the folder", the Wayland
# platform (else the programs run through XWayland with a generic icon) and
# the SVG icon engine for the scalable icon.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, qt6-wayland, libqt6svg6")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
