# Runs a program (the game, or a tool) with one command line and checks its exit status and
# output.
# Usage: cmake -DPROGRAM=... "-DARGS=a b" -DEXIT=N [-DOUT=REGEX] [-DERR=REGEX]
#              [-DNO_DISPLAY=ON] -P check_command_line.cmake
# OUT and ERR are CMake regular expressions that the standard output and the standard error
# must match; with NO_DISPLAY the game runs with no display of any kind to connect to.
separate_arguments(ARGS UNIX_COMMAND "${ARGS}")
set(environment "")
if(NO_DISPLAY)
    set(environment ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
        --unset=QT_QPA_PLATFORM)
endif()
execute_process(COMMAND ${environment} ${PROGRAM} ${ARGS}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
set(report "stdout:\n${out}\nstderr:\n${err}")
if(NOT status STREQUAL EXIT)
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: exit status ${status}, expected ${EXIT}\n${report}")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: stdout does not match '${OUT}'\n${report}")
endif()
if(DEFINED ERR AND NOT err MATCHES "${ERR}")
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: stderr does not match '${ERR}'\n${report}")
endif()
