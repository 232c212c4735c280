# Debian packages of the installation, made by `cpack -G DEB` in the build folder:
#   libvivuzazadurui1      the libraries (in /usr/lib/<multiarch>), their translation files (in
#                          /usr/share/vivuzazadurui/translations) and vvzunits;
#   libvivuzazadurui-dev   the headers, the libraries' link names, the CMake and pkg-config
#                          packages; it depends on the runtime package of the same version;
#   python3-vivuzazadur    where the Python module is built: the package vivuzazadur for
#                          Debian's python3, depending on the runtime package of the same
#                          version, on that python3 and on numpy.
# The packages install under /usr and run no maintainer scripts, so that removing one takes
# away exactly the files it brought. The runtime package has the libraries' shlibs file, for
# dpkg-shlibdeps of the packages built against it, and activates dpkg's ldconfig trigger, as
# debhelper's library packages do, so that the linker's cache knows the libraries once it is
# installed and forgets them once it is removed.
set(CPACK_PACKAGE_NAME ViVuzaZadurUI)
set(CPACK_PACKAGE_CONTACT "ViVuzaZadurUI developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Localized text of quantities with units, and back (Qt 6)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
if(TARGET vivuzazadur_python)
    list(APPEND CPACK_COMPONENTS_ALL Python)
    set(CPACK_COMPONENT_PYTHON_DEPENDS Runtime)
endif()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libvivuzazadurui${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# The shlibs file is written here rather than by CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS, which
# adds postinst and postrm scripts that call ldconfig, where the trigger does that.
set(vvz_shlibs "")
foreach(library ViVuzaZadur ViVuzaZadurUI ViVuzaZadurUIWidgets)
    if(TARGET ${library})
        string(APPEND vvz_shlibs "lib${library} ${PROJECT_VERSION_MAJOR} "
            "${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME} (>= ${PROJECT_VERSION})\n")
    endif()
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/debian/shlibs "${vvz_shlibs}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/triggers ${CMAKE_CURRENT_BINARY_DIR}/debian/shlibs)
string(REGEX MATCH "^[0-9]+" vvz_icu_major "${ICU_VERSION}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.2), libicu${vvz_icu_major}")
if(TARGET ViVuzaZadurUIWidgets)
    # The widgets library goes with the runtime package where it is built.
    string(APPEND CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS ", libqt6widgets6 (>= 6.2)")
endif()
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
    "Formats floating-point quantities with units as localized text, and parses such text
back: unit expressions, feet and inches, degrees-minutes-seconds and bearings. With the
translations of en-US, de-DE, fr-FR and ru-RU, and the command-line tool vvzunits.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libvivuzazadurui-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.2)")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
    "Development files: the headers, and the CMake and pkg-config packages.")
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-vivuzazadur)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
# The module is built for one minor version of Python, the one of the build.
math(EXPR vvz_next_python_minor "${Python_VERSION_MINOR} + 1")
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}), python3 (<< ${Python_VERSION_MAJOR}.${vvz_next_python_minor}), python3-numpy")
set(CPACK_DEBIAN_PYTHON_DESCRIPTION
    "The Python module vivuzazadur: the same formatting and parsing of quantities with units for
scripts, notebooks and data pipelines, with whole columns converted on several threads.")
include(CPack)
