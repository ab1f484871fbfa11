# Walks the link closure of every target (read from GRAPH, written at configure
# time) and fails when:
#   - the targets link each other in a cycle;
#   - a domain target, or zavk-cli, reaches a widget, chart or print module;
#   - the calculation engine reaches anything but Qt Core.
cmake_minimum_required(VERSION 3.25)
include(${GRAPH})

set(domain_targets zavk_calc zavk_core zavk_lang zavk_units zavk_settings zavk_results zavk_leakage_context
                   zavk_update
                   zavk_wizard_context
                   zavk_cli_commands zavk-cli)
set(window_modules Qt6::Widgets Qt6::Charts Qt6::PrintSupport Qt6::Help)

function(direct_links target out)
    string(MAKE_C_IDENTIFIER "${target}" id)
    set(links)
    foreach(link IN LISTS ZAVK_LINKS_${id})
        # Private links of static libraries arrive as $<LINK_ONLY:x>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        list(APPEND links ${link})
    endforeach()
    set(${out} ${links} PARENT_SCOPE)
endfunction()

# Depth-first walk; path is the chain of targets that led here.
function(walk target path out)
    if(target IN_LIST path)
        list(APPEND path ${target})
        string(REPLACE ";" " -> " chain "${path}")
        message(FATAL_ERROR "Link cycle: ${chain}")
    endif()
    list(APPEND path ${target})
    set(reached)
    direct_links(${target} links)
    foreach(link IN LISTS links)
        list(APPEND reached ${link})
        if(link IN_LIST ZAVK_TARGETS)
            walk(${link} "${path}" below)
            list(APPEND reached ${below})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES reached)
    set(${out} ${reached} PARENT_SCOPE)
endfunction()

set(problems)
foreach(target IN LISTS ZAVK_TARGETS)
    walk(${target} "" closure)
    if(target IN_LIST domain_targets)
        foreach(module IN LISTS window_modules)
            if(module IN_LIST closure)
                list(APPEND problems "${target} reaches ${module}")
            endif()
        endforeach()
    endif()
    if(target STREQUAL "zavk_calc")
        foreach(link IN LISTS closure)
            if(NOT link STREQUAL "Qt6::Core")
                list(APPEND problems "zavk_calc reaches ${link}; it may link Qt Core only")
            endif()
        endforeach()
    endif()
endforeach()
if(problems)
    string(REPLACE ";" "\n" report "${problems}")
    message(FATAL_ERROR "Layer violations:\n${report}")
endif()
list(LENGTH ZAVK_TARGETS count)
message(STATUS "${count} targets: no link cycle, no window module below the screens")
