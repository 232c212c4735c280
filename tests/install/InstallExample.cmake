# Installs the build tree into a fresh prefix with `cmake --install`, builds the example
# program against the installed package alone, and runs it; where the Python module is built
# (PYTHON names its interpreter), imports the installed module too.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ExampleSteps.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
vvz_run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
vvz_build_example(${WORK_DIR}/prefix ${WORK_DIR}/build)
vvz_check_example(${WORK_DIR}/build/vvz_example)
if(PYTHON)
    vvz_check_python(${WORK_DIR}/prefix/${PYTHON_DIR})
endif()
