# Run by CPack after it made the packages. CMake 3.25 lists the debug files of the -dbgsym package
# in its md5sums by their paths in the build tree, so that `dpkg --verify` finds none of them:
# list them from the package root, as dpkg expects, and point the package's documentation at the
# main package's, as Debian's own debug packages do.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.ddeb$")
        continue()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-repack)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    # Debug files are data, not programs.
    execute_process(COMMAND find usr -type f -exec chmod 0644 {} +
                    WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find usr -type f -exec md5sum {} +
                    WORKING_DIRECTORY ${tree} OUTPUT_FILE ${tree}/DEBIAN/md5sums
                    COMMAND_ERROR_IS_FATAL ANY)
    file(MAKE_DIRECTORY ${tree}/usr/share/doc)
    file(CREATE_LINK ${CPACK_PACKAGE_NAME} ${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym SYMBOLIC)
    execute_process(COMMAND dpkg-deb -Zgzip --root-owner-group --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
