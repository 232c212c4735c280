# vvz_add_translations(<target> SOURCE_DIR <dir> OUTPUT_DIR <dir> [INSTALL_DIR <dir>])
#
# Compiles every <SOURCE_DIR>/<locale>/<name>.ts with lrelease into
# <OUTPUT_DIR>/<locale>/<name>.qm, as part of <target>, and installs the .qm files into
# <INSTALL_DIR>/<locale> when INSTALL_DIR is given.
function(vvz_add_translations target)
    cmake_parse_arguments(ARG "" "SOURCE_DIR;OUTPUT_DIR;INSTALL_DIR" "" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS RELATIVE ${ARG_SOURCE_DIR} ${ARG_SOURCE_DIR}/*.ts)
    set(outputs)
    foreach(source IN LISTS sources)
        get_filename_component(locale ${source} DIRECTORY)
        get_filename_component(name ${source} NAME_WE)
        set(output ${ARG_OUTPUT_DIR}/${locale}/${name}.qm)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_OUTPUT_DIR}/${locale}
            COMMAND Qt6::lrelease -silent ${ARG_SOURCE_DIR}/${source} -qm ${output}
            DEPENDS ${ARG_SOURCE_DIR}/${source}
            COMMENT "lrelease ${locale}/${name}"
            VERBATIM)
        list(APPEND outputs ${output})
        if(ARG_INSTALL_DIR)
            install(FILES ${output} DESTINATION ${ARG_INSTALL_DIR}/${locale})
        endif()
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
