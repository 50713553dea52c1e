# Runs icongen into a scratch folder and compares its output with the
# committed icons, so the committed files cannot drift from their generator.
# Expects ICONGEN, RESOURCES (the committed folder) and WORK; EMULATOR runs a
# cross-built icongen.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${EMULATOR} ${ICONGEN} ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "icongen failed: ${result}")
endif()
foreach(icon oro.ico oro_flach.ico)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${icon} ${RESOURCES}/${icon}
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${icon} differs from icongen's output; regenerate with: icongen ${RESOURCES}")
    endif()
endforeach()
