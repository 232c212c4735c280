# vvz_compile_translation(<source.ts> <output.qm>)
#
# Adds the command that compiles one .ts file into a .qm file with lrelease.
function(vvz_compile_translation source output)
    get_filename_component(folder ${output} DIRECTORY)
    get_filename_component(name ${output} NAME_WE)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND Qt6::lrelease -silent ${source} -qm ${output}
        DEPENDS ${source}
        COMMENT "lrelease ${name}"
        VERBATIM)
endfunction()

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
        vvz_compile_translation(${ARG_SOURCE_DIR}/${source} ${output})
        list(APPEND outputs ${output})
        if(ARG_INSTALL_DIR)
            install(FILES ${output} DESTINATION ${ARG_INSTALL_DIR}/${locale})
        endif()
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
