# SPDX-License-Identifier: MIT
# What `cmake --install` puts where; the Debian packages are made of it (debian/*.install sorts
# the files into them). The programs, Flash.ini and the station's configuration in /etc/tessara,
# manual pages, bash completion, the window's desktop entry, icon and AppStream data, the udev
# rule for the chip's port, the station's systemd unit and its system user.
include(GNUInstallDirs)

# A new program is one more name here, one more manual page in manpages.cmake.
foreach(program tessara tessara-cli tessara-sim tessara-station)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

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

# The system's own folders for udev rules, systemd units and system users, as their pkg-config
# files name them (packages udev and systemd); Debian 12's places where they are not installed.
function(tessara_system_dir variable module pc_variable fallback subdir)
    pkg_get_variable(dir ${module} ${pc_variable})
    if(NOT dir)
        set(dir ${fallback})
    endif()
    set(${variable} "${dir}${subdir}" CACHE PATH "Where ${module}'s ${pc_variable}${subdir} is")
endfunction()
tessara_system_dir(TESSARA_UDEV_RULES_DIR udev udevdir /lib/udev /rules.d)
tessara_system_dir(TESSARA_SYSTEMD_UNIT_DIR systemd systemdsystemunitdir /lib/systemd/system "")
tessara_system_dir(TESSARA_SYSUSERS_DIR systemd sysusersdir /usr/lib/sysusers.d "")

# What the rule's header says of its USB ID: 0000 is no vendor's and no product's.
if(udev_vid STREQUAL "0000" OR udev_pid STREQUAL "0000")
    set(udev_id_note "# THIS RULE MATCHES NOTHING until the chip's USB ID is set: this build has \
${udev_vid}:${udev_pid}.\n# Build with -DTESSARA_USB_VENDOR_ID=VVVV -DTESSARA_USB_PRODUCT_ID=PPPP \
(lsusb shows VVVV:PPPP).")
else()
    set(udev_id_note "# It matches the chip's USB ID, ${udev_vid}:${udev_pid}, set when Tessara was built.")
endif()

set(appstream_id invalid.tessara.Tessara)
set(generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(${data}/70-tessara.rules.in ${generated}/70-tessara.rules @ONLY)
configure_file(${data}/tessara.metainfo.xml.in ${generated}/${appstream_id}.metainfo.xml @ONLY)
configure_file(${data}/tessara-cli.metainfo.xml.in ${generated}/${appstream_id}Cli.metainfo.xml @ONLY)
configure_file(${data}/tessara-station.service.in ${generated}/tessara-station.service @ONLY)

# The events' format and schema, which tessara-cli --help points to.
set(TESSARA_DOC_DIR ${CMAKE_INSTALL_FULL_DATADIR}/doc/tessara-cli)
install(FILES ${PROJECT_SOURCE_DIR}/docs/events.md ${PROJECT_SOURCE_DIR}/docs/events.schema.json
        DESTINATION ${TESSARA_DOC_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/manpages.cmake)

# Flash.ini and station.conf are the operator's to edit: a package keeps them as configuration files.
install(FILES ${data}/Flash.ini ${data}/station.conf DESTINATION ${TESSARA_SYSTEM_CONFIG_DIR})
install(FILES ${TESSARA_MANPAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data}/tessara-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tessara-cli)
install(FILES ${data}/tessara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(TARGET tessara-station)
    install(FILES ${data}/tessara-station.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    # Where the station looks for them: ../share/tessara/translations from its program.
    get_property(translations GLOBAL PROPERTY TESSARA_STATION_TRANSLATIONS)
    install(FILES ${translations}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/tessara/translations)
endif()
install(FILES ${data}/tessara.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${appstream_id}.metainfo.xml ${generated}/${appstream_id}Cli.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/70-tessara.rules DESTINATION ${TESSARA_UDEV_RULES_DIR})
install(FILES ${generated}/tessara-station.service DESTINATION ${TESSARA_SYSTEMD_UNIT_DIR})
install(FILES ${data}/tessara.sysusers DESTINATION ${TESSARA_SYSUSERS_DIR} RENAME tessara.conf)
