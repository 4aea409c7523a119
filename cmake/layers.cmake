# SPDX-License-Identifier: MIT
# The layers of the source tree as libraries. A layer's headers are reached as "layer/file.h"
# through a folder of the build tree that holds that layer alone, and a library sees only the
# folders of the layers it links: an include that points to a layer it does not link (a higher
# one) finds no file and does not compile.

set(TESSARA_LAYER_ROOTS ${PROJECT_BINARY_DIR}/layers)

# Makes `target` and every target that links it (PUBLIC) see src/<path>, a folder or one file,
# as "<path>", through the folder layers/<root> of the build tree.
function(tessara_see target root path)
    set(folder ${TESSARA_LAYER_ROOTS}/${root})
    if(NOT EXISTS ${folder}/${path})
        get_filename_component(parent ${folder}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${path} ${folder}/${path} RESULT linked SYMBOLIC)
        if(NOT linked STREQUAL "0")
            # No symbolic links here (Windows without the right): the layers are not kept apart
            # by the build on this machine; the Linux build still does it.
            set(folder ${PROJECT_SOURCE_DIR}/src)
        endif()
    endif()
    target_include_directories(${target} PUBLIC ${folder})
endfunction()

# Adds the library `tessara_<folder>` of the sources in src/<folder>, seeing its own headers.
function(tessara_layer folder)
    add_library(tessara_${folder} STATIC ${ARGN})
    tessara_see(tessara_${folder} ${folder} ${folder})
endfunction()
