# The layers of the source tree as libraries. A layer's headers are reached as "layer/file.h"
# through a folder of the build tree that holds that layer alone, and a library sees only the
# folders of the layers it links: an include that points to a layer it does not link (a higher
# one) finds no file and does not compile.

set(TESSARA_LAYER_ROOTS ${PROJECT_BINARY_DIR}/layers)

# Makes `target` see the headers of the layer in `folder` (under src/), and so every target that
# links it: PUBLIC.
function(tessara_layer_headers target folder)
    set(root ${TESSARA_LAYER_ROOTS}/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder}
             RESULT linked SYMBOLIC)
        if(NOT linked STREQUAL "0")
            # No symbolic links here (Windows without the right): the layers are not kept apart
            # by the build on this machine; the Linux build still does it.
            set(root ${PROJECT_SOURCE_DIR}/src)
        endif()
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# Makes `target` see the one header src/<header> as "<header>" (PUBLIC), and no other header of
# its folder.
function(tessara_single_header target header)
    get_filename_component(folder ${header} DIRECTORY)
    set(root ${TESSARA_LAYER_ROOTS}/${target})
    if(NOT EXISTS ${root}/${header})
        file(MAKE_DIRECTORY ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${header} ${root}/${header}
             RESULT linked SYMBOLIC)
        if(NOT linked STREQUAL "0")
            set(root ${PROJECT_SOURCE_DIR}/src)
        endif()
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# Adds the library `tessara_<folder>` of the sources in src/<folder>, seeing its own headers.
function(tessara_layer folder)
    add_library(tessara_${folder} STATIC ${ARGN})
    tessara_layer_headers(tessara_${folder} ${folder})
endfunction()
