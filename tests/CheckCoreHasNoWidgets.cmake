# Fails when a source of the core library, or the header beside it, includes Qt Gui,
# Qt Widgets or Qt Multimedia: the core must build and be tested without a display.
# Plain <QWidget> includes already fail to compile in the core; this catches the module-prefixed
# form (<QtWidgets/QWidget>), which the shared Qt include root would let through.
file(READ "${SOURCES_FILE}" sources)
string(REPLACE "\n" ";" sources "${sources}")
set(offenders "")
foreach(source IN LISTS sources)
    get_filename_component(directory "${source}" DIRECTORY)
    get_filename_component(stem "${source}" NAME_WE)
    foreach(file IN ITEMS "${source}" "${directory}/${stem}.h")
        if(EXISTS "${file}" AND NOT IS_DIRECTORY "${file}")
            file(STRINGS "${file}" lines REGEX "#include *[<\"](QtWidgets|QtGui|QtMultimedia)")
            if(lines)
                list(APPEND offenders "${file}: ${lines}")
            endif()
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "The core includes widget, GUI or multimedia headers:\n${report}")
endif()
message(STATUS "1 passed, 0 failed")
