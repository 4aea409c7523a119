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

# `page` is made from the --help of `program`, run by its name as its page shows it, with no
# display: --help needs none. The version is the project's: tessara-cli's --version also tells
# how it was built, no matter for a manual page. A page of a subcommand (tessara-cli-bundle) runs
# a small script of that name that calls the program with the subcommand. Every --help ends with
# its "Exit status:" list, which becomes the page's EXIT STATUS section.
function(tessara_manpage page program summary)
    if(NOT TARGET ${program})
        return()
    endif()
    set(man ${CMAKE_CURRENT_BINARY_DIR}/man)
    set(output ${man}/${page}.1)
    set(sections ${man}/${page}.h2m)
    configure_file(${PROJECT_SOURCE_DIR}/data/man/${page}.h2m.in ${sections} @ONLY)
    set(run ${page})
    if(ARGN)
        set(run ${man}/bin/${page})
        string(REPLACE ";" " " words "${ARGN}")
        file(WRITE ${run} "#!/bin/sh\nexec ${program} ${words} \"$@\"\n")
        file(CHMOD ${run} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
             GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${man}
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0
                "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
                ${TESSARA_HELP2MAN} --no-info --name=${summary} --section=1
                --version-string=${PROJECT_VERSION}
                --include=${sections} --output=${output} ${run}
        COMMAND sed -i "s/^\\.SS \"Exit status:\"$/.SH \"EXIT STATUS\"/" ${output}
        DEPENDS ${program} ${sections}
        COMMENT "Manual page of ${page}"
        VERBATIM)
    set(TESSARA_MANPAGES ${TESSARA_MANPAGES} ${output} PARENT_SCOPE)
endfunction()

# A new program: one more line, and its data/man/PROGRAM.h2m.in.
tessara_manpage(tessara tessara "update the firmware of KQ display-controller chips")
tessara_manpage(tessara-cli tessara-cli
                "update the firmware of KQ display-controller chips from a terminal")
tessara_manpage(tessara-cli-bundle tessara-cli
                "make, sign, show and verify Tessara release bundles" bundle)
tessara_manpage(tessara-sim tessara-sim "a simulated KQ chip boot loader on a pseudo-terminal")
tessara_manpage(tessara-station tessara-station
                "update every KQ board on a production fixture, PASS/FAIL per slot")
add_custom_target(manpages ALL DEPENDS ${TESSARA_MANPAGES})
