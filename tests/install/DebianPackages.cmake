# Makes the Debian packages with cpack and checks them as a host system would see them:
#  - the runtime package holds the libraries, in the multiarch folder (MULTIARCH, when the
#    compiler names one), the translation files, in /usr/share/vivuzazadurui/translations, and
#    vvzunits; the development package the headers, the link names and the CMake and
#    pkg-config packages, and depends on the runtime package of its version;
#  - every file lies under /usr, no file is in both packages, and neither package runs a
#    maintainer script, so that removing a package takes away exactly its files; the runtime
#    package activates dpkg's ldconfig trigger and has the libraries' shlibs file;
#  - unpacked into a scratch root, the packages build the example program with find_package,
#    and with pkg-config, and the programs run and find the translations;
#  - where the Python module is built (PYTHON names its interpreter), python3-vivuzazadur holds
#    the package vivuzazadur in /usr/PYTHON_DIR, depends on the runtime package of its version
#    and on numpy, and imports from the scratch root with the installed translations;
#  - with the development package's files taken away the program still runs, and with the
#    runtime (and Python) package's files taken away too, nothing is left.
# Without pkg-config (PKG_CONFIG empty) the rest is checked, and the test then ends by saying
# that it was skipped, so that CTest does not count it as passed.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ExampleSteps.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)
vvz_run(${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/packages)
file(GLOB packages ${WORK_DIR}/packages/*.deb)

# Reads a package's name, dependencies and files (relative to the root), unpacks it into the
# scratch root and checks that it has no maintainer scripts.
function(read_package deb)
    vvz_run(${DPKG_DEB} --field ${deb} Package)
    string(STRIP "${output}" name)
    vvz_run(${DPKG_DEB} --field ${deb} Depends)
    string(STRIP "${output}" depends)
    set(unpacked ${WORK_DIR}/${name})
    vvz_run(${DPKG_DEB} --extract ${deb} ${unpacked})
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${unpacked} ${unpacked}/*)
    vvz_run(${DPKG_DEB} --control ${deb} ${unpacked}-control)
    foreach(script preinst postinst prerm postrm)
        if(EXISTS ${unpacked}-control/${script})
            message(FATAL_ERROR "${name} runs a ${script} script")
        endif()
    endforeach()
    foreach(control triggers shlibs)
        set(text "")
        if(EXISTS ${unpacked}-control/${control})
            file(READ ${unpacked}-control/${control} text)
        endif()
        set(${name}_${control} "${text}" PARENT_SCOPE)
    endforeach()
    vvz_run(${DPKG_DEB} --extract ${deb} ${root})
    set(${name}_depends "${depends}" PARENT_SCOPE)
    set(${name}_files "${files}" PARENT_SCOPE)
    set(names ${names} ${name} PARENT_SCOPE)
endfunction()

set(names)
foreach(deb IN LISTS packages)
    read_package(${deb})
endforeach()
set(runtime libvivuzazadurui${MAJOR})
set(development libvivuzazadurui-dev)
set(python python3-vivuzazadur)
set(expected ${development} ${runtime})
if(PYTHON)
    list(APPEND expected ${python})
endif()
list(SORT names)
if(NOT names STREQUAL "${expected}")
    message(FATAL_ERROR "cpack made the packages ${names}, not ${expected}")
endif()
if(NOT ${development}_depends MATCHES "(^|, )${runtime} \\(= ${VERSION}\\)")
    message(FATAL_ERROR "${development} depends on ${${development}_depends}")
endif()
if(PYTHON AND NOT (${python}_depends MATCHES "(^|, )${runtime} \\(= ${VERSION}\\)" AND
                   ${python}_depends MATCHES "(^|, )python3-numpy(,|$)"))
    message(FATAL_ERROR "${python} depends on ${${python}_depends}")
endif()

# The libraries in the multiarch folder, and the linker cache kept up to date by the trigger.
if(MULTIARCH AND NOT LIBDIR STREQUAL "lib/${MULTIARCH}")
    message(FATAL_ERROR "the libraries go to usr/${LIBDIR}, not to usr/lib/${MULTIARCH} (a "
        "build tree configured with CMAKE_INSTALL_LIBDIR=${LIBDIR} keeps it: configure it with "
        "-U CMAKE_INSTALL_LIBDIR)")
endif()
if(NOT ${runtime}_triggers MATCHES "(^|\n)activate-noawait ldconfig\n")
    message(FATAL_ERROR "${runtime} does not activate the ldconfig trigger: ${${runtime}_triggers}")
endif()
foreach(library ViVuzaZadurUI ViVuzaZadur)
    if(NOT ${runtime}_shlibs MATCHES "(^|\n)lib${library} ${MAJOR} ${runtime} \\(>= ${VERSION}\\)")
        message(FATAL_ERROR "${runtime}'s shlibs lacks lib${library}: ${${runtime}_shlibs}")
    endif()
endforeach()

# Which package each file belongs to.
set(development_file "^usr/(include/|${LIBDIR}/cmake/|${LIBDIR}/pkgconfig/|${LIBDIR}/lib[^/]*\\.so$)")
set(python_file "^usr/${PYTHON_DIR}/vivuzazadur/")
foreach(name ${expected})
    foreach(file IN LISTS ${name}_files)
        if(NOT file MATCHES "^usr/")
            message(FATAL_ERROR "${name} installs ${file}, outside /usr")
        endif()
        if(file MATCHES "${python_file}")
            set(owner ${python})
        elseif(file MATCHES "${development_file}")
            set(owner ${development})
        else()
            set(owner ${runtime})
        endif()
        if(NOT name STREQUAL owner)
            message(FATAL_ERROR "${file} is in ${name}, not in ${owner}")
        endif()
    endforeach()
endforeach()
file(GLOB_RECURSE translations RELATIVE ${TRANSLATIONS_DIR} ${TRANSLATIONS_DIR}/*.ts)
list(TRANSFORM translations REPLACE "(.*)\\.ts$" "usr/share/vivuzazadurui/translations/\\1.qm")
foreach(file IN LISTS ${runtime}_files)
    if(file MATCHES "^usr/lib/(.*/)?[a-z][a-z]-[A-Z][A-Z]/")
        message(FATAL_ERROR "${runtime} installs ${file}: translations belong in usr/share")
    endif()
endforeach()
foreach(file usr/bin/vvzunits usr/${LIBDIR}/libViVuzaZadurUI.so.${MAJOR}
        usr/${LIBDIR}/libViVuzaZadur.so.${MAJOR} ${translations})
    if(NOT file IN_LIST ${runtime}_files)
        message(FATAL_ERROR "${runtime} lacks ${file}")
    endif()
endforeach()
foreach(file usr/include/ViVuzaZadurUI/ViVuzaZadurUI.h usr/${LIBDIR}/libViVuzaZadurUI.so
        usr/${LIBDIR}/cmake/ViVuzaZadurUI/ViVuzaZadurUIConfig.cmake
        usr/${LIBDIR}/pkgconfig/ViVuzaZadurUI.pc)
    if(NOT file IN_LIST ${development}_files)
        message(FATAL_ERROR "${development} lacks ${file}")
    endif()
endforeach()

# Both packages installed: the example builds with either package description.
vvz_build_example(${root}/usr ${WORK_DIR}/build)
vvz_check_example(${WORK_DIR}/build/vvz_example)
if(PKG_CONFIG)
    vvz_run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${root}/usr/${LIBDIR}/pkgconfig
        ${PKG_CONFIG} --cflags --libs ViVuzaZadurUI)
    separate_arguments(flags UNIX_COMMAND "${CONSUMER_FLAGS} ${output}")
    vvz_run(${CXX} -std=c++17 ${EXAMPLE_DIR}/main.cpp ${flags} -Wl,-rpath,${root}/usr/${LIBDIR}
        -o ${WORK_DIR}/vvz_example_pkg-config)
    vvz_check_example(${WORK_DIR}/vvz_example_pkg-config)
endif()

if(PYTHON)
    foreach(file __init__.py _ids.py _vivuzazadur.pyi py.typed)
        if(NOT usr/${PYTHON_DIR}/vivuzazadur/${file} IN_LIST ${python}_files)
            message(FATAL_ERROR "${python} lacks usr/${PYTHON_DIR}/vivuzazadur/${file}")
        endif()
    endforeach()
    vvz_check_python(${root}/usr/${PYTHON_DIR})
    list(TRANSFORM ${python}_files PREPEND ${root}/)
    file(REMOVE ${${python}_files})
endif()

# Removing the development package leaves a working runtime; removing both leaves nothing.
list(TRANSFORM ${development}_files PREPEND ${root}/)
file(REMOVE ${${development}_files})
vvz_check_example(${WORK_DIR}/build/vvz_example)
list(TRANSFORM ${runtime}_files PREPEND ${root}/)
file(REMOVE ${${runtime}_files})
file(GLOB_RECURSE left LIST_DIRECTORIES false ${root}/*)
if(left)
    message(FATAL_ERROR "files of no package are left: ${left}")
endif()
if(NOT PKG_CONFIG)
    message("SKIPPED: pkg-config is not installed (Debian package pkg-config): the pkg-config "
        "package was not tried; everything else passed")
endif()
