# Which of our libraries each library may link, and which Qt modules. A link
# that is not listed here stops the configuration: the layers of
# docs/architecture.md hold because the build holds them.
#
# Each entry: library, then "|" and the Qt modules, then "|" and our libraries.
set(FONARIUM_LAYERS
    "fonarium_data|Core|"
    "fonarium_layout|Core|fonarium_data"
    "fonarium_disc|Core|fonarium_records fonarium_data"
    "fonarium_exchange|Core|fonarium_data fonarium_records"
    "fonarium_records|Core|fonarium_data"
    "fonarium_loans|Core|fonarium_data"
    "fonarium_searchcore|Core|fonarium_data"
    "fonarium_helpcore|Core|fonarium_data"
    "fonarium_balloon|Core|"
    "fonarium_services|Core|fonarium_records fonarium_data"
    "fonarium_sample|Core|fonarium_data fonarium_records"
    "fonarium_reportengine|Gui|"
    "fonarium_labels|Gui Svg|fonarium_reportengine fonarium_data"
    "fonarium_lists|Gui|fonarium_labels fonarium_reportengine fonarium_data fonarium_services"
    "fonarium_widgets|Widgets|"
    "fonarium_pane|Widgets|"
    "fonarium_balloons|Widgets|fonarium_balloon fonarium_services fonarium_widgets fonarium_data"
    "fonarium_help|Widgets Multimedia|fonarium_balloons fonarium_helpcore fonarium_services fonarium_widgets fonarium_data"
    "fonarium_dbwindows|Widgets|fonarium_pane fonarium_services fonarium_records fonarium_data fonarium_balloons fonarium_widgets"
    "fonarium_editor|Widgets|fonarium_pane fonarium_records fonarium_disc fonarium_data fonarium_widgets"
    "fonarium_discwindows|Widgets|fonarium_disc fonarium_editor fonarium_dbwindows fonarium_services fonarium_balloons fonarium_widgets"
    "fonarium_loancard|Widgets|fonarium_loans fonarium_pane fonarium_editor fonarium_dbwindows"
    "fonarium_search|Widgets|fonarium_searchcore fonarium_services fonarium_dbwindows fonarium_balloons fonarium_widgets"
    "fonarium_reports|Widgets PrintSupport|fonarium_lists fonarium_labels fonarium_reportengine fonarium_searchcore fonarium_services fonarium_dbwindows fonarium_editor fonarium_balloons fonarium_widgets fonarium_data"
    "fonarium_app|Widgets PrintSupport Svg Network|fonarium_data fonarium_dbwindows fonarium_discwindows fonarium_editor fonarium_loancard fonarium_records fonarium_search fonarium_reports fonarium_help fonarium_balloons fonarium_services fonarium_widgets fonarium_exchange"
)

# The libraries of ours built under `dir`, into `out`.
function(fonarium_libraries_under dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    set(found "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target MATCHES "^fonarium_" AND type STREQUAL "STATIC_LIBRARY")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        fonarium_libraries_under(${subdir} more)
        list(APPEND found ${more})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

function(fonarium_check_layers)
    set(listed "")
    foreach(entry IN LISTS FONARIUM_LAYERS)
        string(REGEX REPLACE "\\|.*" "" target "${entry}")
        list(APPEND listed ${target})
    endforeach()
    fonarium_libraries_under(${CMAKE_SOURCE_DIR}/src built)
    foreach(target IN LISTS built)
        if(NOT target IN_LIST listed)
            message(FATAL_ERROR "Layers: ${target} has no place in cmake/Layers.cmake")
        endif()
    endforeach()
    foreach(entry IN LISTS FONARIUM_LAYERS)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 target)
        list(GET parts 1 qt)
        list(GET parts 2 ours)
        separate_arguments(qt)
        separate_arguments(ours)
        if(NOT TARGET ${target})
            message(FATAL_ERROR "Layers: ${target} is listed but not built")
        endif()
        get_target_property(links ${target} LINK_LIBRARIES)
        if(NOT links)
            set(links "")
        endif()
        foreach(link IN LISTS links)
            if(link MATCHES "^Qt6::(.+)$")
                if(NOT CMAKE_MATCH_1 IN_LIST qt)
                    message(FATAL_ERROR "Layers: ${target} may not link ${link}")
                endif()
            elseif(link MATCHES "^fonarium_")
                if(NOT link IN_LIST ours)
                    message(FATAL_ERROR "Layers: ${target} may not link ${link}")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
