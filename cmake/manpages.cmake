# SPDX-License-Identifier: MIT
# Manual pages, made at build time by help2man from each program's own --help, so that they
# list every option the program has, with the sections --help does not hold (ENVIRONMENT, FILES,
# EXIT STATUS, EXAMPLES, SEE ALSO) from data/man/PROGRAM.h2m.in, whose @VARIABLES@ are the
# install paths. Skipped without help2man or when the programs cannot run here (cross-compiling).
find_program(TESSARA_HELP2MAN help2man)

set(TESSARA_MANPAGES)
if(CMAKE_CROSSCOMPILING)
    return()
endif()
if(NOT TESSARA_HELP2MAN)
    message(STATUS "help2man not found: no manual pages")
    return()
endif()

# `program` is run by its name, as its page shows it, with no display: --help needs none. The
# version is the project's: tessara-cli's --version also tells how it was built, no matter for a
# manual page.
function(tessara_manpage program summary)
    if(NOT TARGET ${program})
        return()
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
    set(sections ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.h2m)
    configure_file(${PROJECT_SOURCE_DIR}/data/man/${program}.h2m.in ${sections} @ONLY)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0
                "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
                ${TESSARA_HELP2MAN} --no-info --name=${summary} --section=1
                --version-string=${PROJECT_VERSION}
                --include=${sections} --output=${page} ${program}
        DEPENDS ${program} ${sections}
        COMMENT "Manual page of ${program}"
        VERBATIM)
    set(TESSARA_MANPAGES ${TESSARA_MANPAGES} ${page} PARENT_SCOPE)
endfunction()

# A new program: one more line, and its data/man/PROGRAM.h2m.in.
tessara_manpage(tessara "update the firmware of KQ display-controller chips")
tessara_manpage(tessara-cli "update the firmware of KQ display-controller chips from a terminal")
tessara_manpage(tessara-sim "a simulated KQ chip boot loader on a pseudo-terminal")
tessara_manpage(tessara-station "update every KQ board on a production fixture, PASS/FAIL per slot")
add_custom_target(manpages ALL DEPENDS ${TESSARA_MANPAGES})
