# The planner wins, and the road it writes passes the scenario driver headless and through the
# real windows.
execute_process(COMMAND ${AUTOPLAY} --best --route ${ROUTE}
    RESULT_VARIABLE planned OUTPUT_VARIABLE plan_output ERROR_VARIABLE plan_output)
message("${plan_output}")
if(NOT planned EQUAL 0 OR NOT plan_output MATCHES "won on day [0-9]+")
    message(FATAL_ERROR "the planner did not win (exit status ${planned})")
endif()
foreach(mode "" "--qt")
    execute_process(COMMAND ${DRIVER} ${ROUTE} ${mode}
        RESULT_VARIABLE played OUTPUT_VARIABLE play_output ERROR_VARIABLE play_output)
    string(REGEX MATCH "scenario: [0-9]+ passed, [0-9]+ failed" summary "${play_output}")
    message("tarnvik-scenario ${mode}: ${summary}")
    if(NOT played EQUAL 0)
        message(FATAL_ERROR "the road does not play back ${mode}:\n${play_output}")
    endif()
endforeach()
