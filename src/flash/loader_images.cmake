# SPDX-License-Identifier: MIT
# Embeds the KQ580 flash-mode loaders as arrays of 32-bit words. They are device code from the
# chip's maker and not part of this repository; a loader whose file is not given is not built in.

set(TESSARA_LOADER_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/loader_images.cpp.in)

# Sets `definition` to a C++ array `name` of the little-endian words of `file`, which must be
# exactly `bytes` long, and `image` to its LoaderImage; both to nothing-built-in when `file` is "".
function(tessara_loader_words definition image name file bytes)
    if(file STREQUAL "")
        message(STATUS "KQ580 loader ${name}: not built in")
        set(${definition} "" PARENT_SCOPE)
        set(${image} "{}" PARENT_SCOPE)
        return()
    endif()
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
        message(FATAL_ERROR "KQ580 loader ${file} does not exist")
    endif()
    file(SIZE "${file}" size)
    if(NOT size EQUAL bytes)
        message(FATAL_ERROR "KQ580 loader ${file} is ${size} bytes; ${bytes} expected")
    endif()
    file(READ "${file}" hex HEX)
    # Four bytes, least significant first, make one word; eight words a line.
    string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1u, " words "${hex}")
    string(REPEAT "0x........u, " 8 line) # CMake's regular expressions have no {n}
    string(REGEX REPLACE "(${line})" "\\1\n    " words "${words}")
    math(EXPR count "${bytes} / 4")
    set(${definition} "const uint32_t ${name}[${count}] = {\n    ${words}\n};" PARENT_SCOPE)
    set(${image} "{${name}, ${count}}" PARENT_SCOPE)
    # Reconfigure when the loader file changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
endfunction()

# Writes `output`, a source defining `FlashModeLoaders <function>()` from the NOR and NAND
# loader files (either may be "").
function(tessara_embed_loaders output function nor_file nand_file)
    tessara_loader_words(NOR_DEFINITION NOR_IMAGE vcom_norflash_code "${nor_file}" 4896)
    tessara_loader_words(NAND_DEFINITION NAND_IMAGE vcom_nandflash_code "${nand_file}" 4832)
    set(LOADERS_FUNCTION ${function})
    configure_file(${TESSARA_LOADER_TEMPLATE} ${output} @ONLY)
endfunction()
