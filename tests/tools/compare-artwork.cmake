# Runs the artwork generator into OUT and compares its icon with the one in ASSETS. The
# JPEGs are left out: their bytes depend on the fonts and the JPEG library of the machine.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/torrentix.ico
                        ${ASSETS}/torrentix.ico RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "assets/torrentix.ico is out of date: run torrentix-artgen assets")
endif()
