# Installation and the Debian package: the programs, Flash.ini as a configuration file, the
# documentation, manual pages, bash completion, desktop entry, icon, AppStream metadata and the
# udev rule for the chip's port.
include(GNUInstallDirs)

if(TARGET tessara-sim)
    install(TARGETS tessara-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
set(data ${PROJECT_SOURCE_DIR}/data)
if(WIN32)
    # Beside the programs, the last place they look for it.
    install(FILES ${data}/Flash.ini DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(NOT UNIX OR APPLE)
    return()
endif()

# The USB ID of the chip's serial function, which the udev rule and the AppStream metadata match.
# 0000 is no vendor's: the rule matches nothing until both are set.
set(TESSARA_USB_VENDOR_ID "0000" CACHE STRING "USB vendor ID of the chip's serial port (4 hex digits; 0000: none)")
set(TESSARA_USB_PRODUCT_ID "0000" CACHE STRING "USB product ID of the chip's serial port (4 hex digits; 0000: none)")
foreach(setting TESSARA_USB_VENDOR_ID TESSARA_USB_PRODUCT_ID)
    if(NOT ${setting} MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
        message(FATAL_ERROR "${setting} must be 4 hexadecimal digits, not \"${${setting}}\"")
    endif()
endforeach()
# udev compares with the lower-case sysfs attributes; AppStream modaliases are upper case.
string(TOLOWER ${TESSARA_USB_VENDOR_ID} udev_vid)
string(TOLOWER ${TESSARA_USB_PRODUCT_ID} udev_pid)
string(TOUPPER ${TESSARA_USB_VENDOR_ID} modalias_vid)
string(TOUPPER ${TESSARA_USB_PRODUCT_ID} modalias_pid)
set(TESSARA_UDEV_RULES_DIR "/lib/udev/rules.d" CACHE PATH "Where the udev rule is installed")
set(appstream_id invalid.tessara.Tessara)

set(generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(${data}/70-tessara.rules.in ${generated}/70-tessara.rules @ONLY)
configure_file(${data}/tessara.metainfo.xml.in ${generated}/${appstream_id}.metainfo.xml @ONLY)

include(${CMAKE_CURRENT_LIST_DIR}/manpages.cmake)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${data}/changelog ${generated}/changelog
    COMMAND ${TESSARA_GZIP} -9nf ${generated}/changelog
    DEPENDS ${data}/changelog
    VERBATIM)
add_custom_target(tessara-changelog ALL DEPENDS ${generated}/changelog.gz)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tessara)
install(FILES ${data}/Flash.ini DESTINATION ${TESSARA_SYSTEM_CONFIG_DIR})
install(FILES ${data}/copyright ${generated}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${TESSARA_MANPAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data}/tessara-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tessara-cli)
install(FILES ${data}/tessara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/tessara.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${appstream_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/70-tessara.rules DESTINATION ${TESSARA_UDEV_RULES_DIR})

set(CPACK_PACKAGE_NAME tessara)
set(CPACK_PACKAGE_VENDOR "Tessara")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Firmware updater for KQ display-controller chips (window, CLI, simulator)")
set(CPACK_PACKAGE_DESCRIPTION
"Tessara updates the firmware of the KQ family of display-controller chips
(KQ31A/B/C/D, KQ3200, KQ580, KQ581, KQ47) through the chip's boot loader,
over its USB virtual serial port: it identifies the chip, programs and
verifies the internal MCU flash and the external SPI flash, looks the flash
part up in /etc/tessara/Flash.ini, starts the application and puts a KQ580
into flash mode.

The package holds the operator's window (tessara), the same operations for
a terminal (tessara-cli) and a simulated chip on a pseudo-terminal
(tessara-sim), and a udev rule that lets members of dialout and plugdev
open the chip's port and keeps ModemManager away from it.")
set(CPACK_PACKAGE_CONTACT "Tessara maintainers <maintainers@tessara.invalid>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt and udev libraries the programs link, found by dpkg-shlibdeps; setfacl for the rule.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS acl)
# Stripped programs; their debug information in tessara-dbgsym, found by build ID.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/fix_dbgsym.cmake)
# Flash.ini is the operator's to edit: kept over upgrades.
file(WRITE ${generated}/conffiles "${TESSARA_SYSTEM_CONFIG_DIR}/Flash.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${generated}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
