# Manual pages, made at build time by help2man from each program's own --help, so that they
# list every option the program has. Skipped, with a warning, without help2man or when the
# programs cannot run here (cross-compiling).
find_program(TESSARA_HELP2MAN help2man)
find_program(TESSARA_GZIP gzip)

set(TESSARA_MANPAGES)
if(CMAKE_CROSSCOMPILING OR NOT TESSARA_GZIP)
    return()
endif()
if(NOT TESSARA_HELP2MAN)
    message(WARNING "help2man not found: no manual pages")
    return()
endif()

# `program` is run by its name, as its page shows it, with no display: --help needs none.
function(tessara_manpage program summary)
    if(NOT TARGET ${program})
        return()
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0
                "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
                ${TESSARA_HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
                --name=${summary} --section=1 --output=${page} ${program}
        COMMAND ${TESSARA_GZIP} -9nf ${page}
        DEPENDS ${program}
        COMMENT "Manual page of ${program}"
        VERBATIM)
    set(TESSARA_MANPAGES ${TESSARA_MANPAGES} ${page}.gz PARENT_SCOPE)
endfunction()

tessara_manpage(tessara "update the firmware of KQ display-controller chips")
tessara_manpage(tessara-cli "update the firmware of KQ display-controller chips from a terminal")
tessara_manpage(tessara-sim "a simulated KQ chip boot loader on a pseudo-terminal")
add_custom_target(manpages ALL DEPENDS ${TESSARA_MANPAGES})
