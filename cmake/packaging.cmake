# Installation and the Debian package: the three programs, the flash-part database beside them
# (where they look when the current directory has none) and the window's desktop entry.
include(GNUInstallDirs)

if(TARGET tessara-sim)
    install(TARGETS tessara-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/Flash.ini DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/data/tessara.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

set(CPACK_PACKAGE_NAME tessara)
set(CPACK_PACKAGE_VENDOR "Tessara")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Firmware updater for KQ display-controller chips (window, CLI, simulator)")
set(CPACK_PACKAGE_CONTACT "Tessara maintainers <maintainers@tessara.invalid>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt and udev libraries the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
