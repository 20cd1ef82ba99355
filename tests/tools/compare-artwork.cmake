# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the artwork generator into OUT and checks that ASSETS holds every file it writes, and
# the same icon files. The JPEGs and PNGs are left out of the byte comparison: their bytes
# depend on the fonts and the image libraries of the machine (the tests compare the PNGs'
# pixels and check the JPEGs' drawings).
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
file(GLOB written RELATIVE ${OUT} ${OUT}/*)
foreach(name IN LISTS written)
    if(NOT EXISTS ${ASSETS}/${name})
        message(FATAL_ERROR "assets/${name} is missing: run torrentix-artgen assets")
    endif()
endforeach()
foreach(name torrentix.ico torrentix@2x.ico torrentix.svg)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${ASSETS}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "assets/${name} is out of date: run torrentix-artgen assets")
    endif()
endforeach()
