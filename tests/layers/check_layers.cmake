cmake_minimum_required(VERSION 3.25)

# Holds the build to its layers: what each folder may include and each library may link, and that
# the programs that play without a screen do not load one. Every broken rule is listed, then the
# check fails.
#
#   cmake -DSOURCE_DIR=... -DGRAPH_DIR=... -DQT_CORE_INCLUDES=a|b|... -DHEADLESS=p1|p2|...
#         -P check_layers.cmake
#
# SOURCE_DIR is the project, GRAPH_DIR a scratch folder where the project is configured again to
# draw its link graph (`cmake --graphviz`), QT_CORE_INCLUDES QtCore's include folders, and
# HEADLESS the built programs whose libraries `ldd` must show without QtGui and QtWidgets.

# The layer table, bottom up: a folder, the targets it builds, the folders its files may include
# and its libraries may link (besides its own), and the Qt modules it may use.
set(layers
    "ui|tarnvik_ui||Core"
    "game|tarnvik_game|ui|Core"
    "life|tarnvik_life|ui game|Core"
    "stores|tarnvik_stores|ui game|Core"
    "saves|tarnvik_saves|ui game|Core"
    "web|tarnvik_web|ui game|Core"
    "guestos|tarnvik_guestos|ui game|Core"
    "app|tarnvik_app|ui game life stores saves web guestos|Core"
    "ui/qt|tarnvik_qt tarnvik_first_paint tarnvik_resources tarnvik_sound|ui|Core Gui Widgets Multimedia"
    "app/qt|tarnvik_app_qt tarnvik2|ui game life stores saves web guestos app ui/qt|Core Gui Widgets"
)
# Libraries outside the layers that play headless too: nothing they link may reach a screen.
set(headless_libraries tarnvik_scenario tarnvik_autoplay)

set(problems "")
macro(problem text)
    list(APPEND problems "${text}")
endmacro()

# --- The table, read into lookups -----------------------------------------------------------
set(folders "")
foreach(row IN LISTS layers)
    string(REPLACE "|" ";" cells "${row}")
    list(GET cells 0 folder)
    list(GET cells 1 targets)
    list(GET cells 2 uses)
    list(GET cells 3 modules)
    string(REPLACE " " ";" targets "${targets}")
    string(REPLACE " " ";" uses "${uses}")
    string(REPLACE " " ";" modules "${modules}")
    list(APPEND folders ${folder})
    string(MAKE_C_IDENTIFIER "${folder}" id)
    set(uses_${id} ${folder} ${uses})
    set(modules_${id} ${modules})
    set(targets_${id} ${targets})
    foreach(target IN LISTS targets)
        set(folder_of_${target} ${folder})
    endforeach()
endforeach()

# The layer folder a path lies in: the longest folder of the table it starts with.
function(layer_of path out)
    set(best "")
    foreach(folder IN LISTS folders)
        string(LENGTH "${folder}" length)
        string(LENGTH "${best}" best_length)
        if(path MATCHES "^${folder}/" AND length GREATER best_length)
            set(best ${folder})
        endif()
    endforeach()
    set(${out} "${best}" PARENT_SCOPE)
endfunction()

# --- Includes ---------------------------------------------------------------------------------
string(REPLACE "|" ";" qt_core_includes "${QT_CORE_INCLUDES}")
set(qt_root "")
foreach(dir IN LISTS qt_core_includes)
    if(dir MATCHES "/QtCore$")
        get_filename_component(qt_root "${dir}" DIRECTORY)
    endif()
endforeach()
if(qt_root STREQUAL "")
    message(FATAL_ERROR "QtCore's include folder is not among: ${QT_CORE_INCLUDES}")
endif()

foreach(folder IN LISTS folders)
    string(MAKE_C_IDENTIFIER "${folder}" id)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h
        ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(file IN LISTS files)
        layer_of(${file} home)
        if(NOT home STREQUAL folder)
            continue()  # a folder of its own, checked as such
        endif()
        file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(included ${CMAKE_MATCH_1})
                layer_of(${included} layer)
                if(layer STREQUAL "")
                    problem("${file} includes \"${included}\", which is in no layer")
                elseif(NOT layer IN_LIST uses_${id})
                    problem("${file} includes \"${included}\": ${folder}/ may not use ${layer}/")
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<((Qt[A-Za-z]+)/)?(Q[A-Za-z]+)>")
                set(named "${CMAKE_MATCH_1}${CMAKE_MATCH_3}")
                set(named_module "${CMAKE_MATCH_2}")
                set(header "${CMAKE_MATCH_3}")
                set(found FALSE)
                foreach(module IN LISTS modules_${id})
                    if(EXISTS ${qt_root}/Qt${module}/${header}
                       AND named_module MATCHES "^(Qt${module})?$")
                        set(found TRUE)
                    endif()
                endforeach()
                if(NOT found)
                    string(REPLACE ";" ", Qt" allowed "Qt${modules_${id}}")
                    problem("${file} includes <${named}>: ${folder}/ may use ${allowed} only")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

# --- Links, from the link graph CMake draws --------------------------------------------------
file(MAKE_DIRECTORY ${GRAPH_DIR})
file(WRITE ${GRAPH_DIR}/CMakeGraphVizOptions.cmake
    "set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\nset(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n")
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${GRAPH_DIR} -G Ninja -DTARNVIK_TESTS=ON
        --graphviz=${GRAPH_DIR}/links.dot
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the project does not configure for its link graph:\n${out}${err}")
endif()
file(STRINGS ${GRAPH_DIR}/links.dot edges REGEX "// [^ ]+ -> [^ ]+$")
set(linking "")
foreach(edge IN LISTS edges)
    string(REGEX MATCH "// ([^ ]+) -> ([^ ]+)$" _ "${edge}")
    set(linked ${CMAKE_MATCH_2})
    string(MD5 from "${CMAKE_MATCH_1}")  # a key for any target name ("tarnvik-x", "Qt6::X")
    list(APPEND links_of_${from} ${linked})
    list(APPEND linking ${CMAKE_MATCH_1})
endforeach()

foreach(folder IN LISTS folders)
    string(MAKE_C_IDENTIFIER "${folder}" id)
    foreach(target IN LISTS targets_${id})
        if(NOT target IN_LIST linking)
            continue()
        endif()
        string(MD5 tid "${target}")
        foreach(linked IN LISTS links_of_${tid})
            if(linked MATCHES "^Qt6::(moc|rcc|uic)$")
                continue()  # Qt's code generators, run at build time
            elseif(linked MATCHES "^Qt6::(.*)$")
                if(NOT CMAKE_MATCH_1 IN_LIST modules_${id})
                    problem("${target} links ${linked}: ${folder}/ may not use Qt${CMAKE_MATCH_1}")
                endif()
            elseif(DEFINED folder_of_${linked})
                if(NOT folder_of_${linked} IN_LIST uses_${id})
                    problem("${target} links ${linked}: ${folder}/ may not use ${folder_of_${linked}}/")
                endif()
            elseif(linked MATCHES "^tarnvik")
                problem("${target} links ${linked}, which is in no layer")
            endif()
        endforeach()
    endforeach()
endforeach()

# Everything a library reaches, through every link.
function(reach target out)
    set(seen "")
    set(queue ${target})
    while(queue)
        list(POP_FRONT queue next)
        string(MD5 nid "${next}")
        foreach(linked IN LISTS links_of_${nid})
            if(NOT linked IN_LIST seen)
                list(APPEND seen ${linked})
                list(APPEND queue ${linked})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

foreach(library IN LISTS headless_libraries)
    reach(${library} reached)
    foreach(screen Qt6::Gui Qt6::Widgets Qt6::Test)
        if(screen IN_LIST reached)
            problem("${library} plays without a screen but reaches ${screen}")
        endif()
    endforeach()
endforeach()

# --- The built programs that play headless ----------------------------------------------------
string(REPLACE "|" ";" headless_programs "${HEADLESS}")
foreach(program IN LISTS headless_programs)
    execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE loaded RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        problem("ldd cannot read ${program}")
    endif()
    foreach(screen Qt6Gui Qt6Widgets Qt6Test)
        if(loaded MATCHES "lib${screen}\\.so")
            get_filename_component(name ${program} NAME)
            problem("${name} plays without a screen but loads lib${screen}")
        endif()
    endforeach()
endforeach()

if(problems)
    list(LENGTH problems count)
    string(REPLACE ";" "\n  " listed "${problems}")
    message(FATAL_ERROR "${count} break(s) of the layers:\n  ${listed}")
endif()
message(STATUS "layers hold: ${SOURCE_DIR}")
