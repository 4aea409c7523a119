# SPDX-License-Identifier: MIT
# The line lead's page, as static files for a broker's http_dir, and the example Mosquitto
# configuration that serves it (package tessara-dashboard).
include(GNUInstallDirs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/dashboard/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tessara/dashboard)
install(FILES ${PROJECT_SOURCE_DIR}/data/dashboard-mosquitto/tessara-dashboard.conf
              ${PROJECT_SOURCE_DIR}/data/dashboard-mosquitto/tessara.acl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessara-dashboard/examples)
