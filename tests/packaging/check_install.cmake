# Installs the build into a scratch folder (DESTDIR) under a prefix of its own and checks the
# installed tree as a desktop and a player meet it: the files are there, the menu entry and the
# software-centre metadata pass their validators and name what is installed, the installed
# program answers --version without a display, and it finds its sound module.
# Usage: cmake -DBUILD_DIR=... -DROOT=... -DPREFIX=/opt/... -DAPP_ID=... -DBINDIR=...
#              -DDATADIR=... -DMANDIR=... -DMODULE_DIR=... -DPROBE=... -P check_install.cmake

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
        ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command}: exit status ${status}\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${ROOT})
run(${CMAKE_COMMAND} -E env DESTDIR=${ROOT} ${CMAKE_COMMAND} --install ${BUILD_DIR}
    --prefix ${PREFIX})
set(top ${ROOT}${PREFIX})

set(desktop_entry ${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
set(expected
    ${BINDIR}/tarnvik2
    ${MODULE_DIR}/tarnvik_sound.so
    ${desktop_entry}
    ${metainfo}
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${MANDIR}/man6/tarnvik2.6.gz
    ${DATADIR}/doc/tarnvik2/copyright
    ${DATADIR}/doc/tarnvik2/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${top}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# The module must be found through the library folder, not by lying beside the program.
if(EXISTS ${top}/${BINDIR}/tarnvik_sound.so)
    message(FATAL_ERROR "the sound module was installed beside the program")
endif()

run(desktop-file-validate ${top}/${desktop_entry})
run(appstreamcli validate --no-net ${top}/${metainfo})
run(gzip -t ${top}/${MANDIR}/man6/tarnvik2.6.gz ${top}/${DATADIR}/doc/tarnvik2/changelog.gz)

# What the menu entry starts and shows must be what was installed.
file(STRINGS ${top}/${desktop_entry} exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=tarnvik2")
    message(FATAL_ERROR "the menu entry starts '${exec}', not the installed tarnvik2")
endif()
file(STRINGS ${top}/${desktop_entry} icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the menu entry shows '${icon}', not the installed icon ${APP_ID}")
endif()
file(READ ${top}/${metainfo} component)
if(NOT component MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    message(FATAL_ERROR "the metadata does not launch the installed menu entry ${APP_ID}.desktop")
endif()

run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
    ${top}/${BINDIR}/tarnvik2 --version)
if(NOT out STREQUAL "tarnvik2 2.1\n")
    message(FATAL_ERROR "the installed tarnvik2 --version printed '${out}', not 'tarnvik2 2.1'")
endif()

run(${PROBE} ${top}/${BINDIR})
file(REMOVE_RECURSE ${ROOT})
