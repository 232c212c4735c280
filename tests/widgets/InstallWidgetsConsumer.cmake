# Installs the build tree into a fresh prefix, builds the widgets consumer (EXAMPLE_DIR) against
# the installed package's widgets component alone, and runs it.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../install/ExampleSteps.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
vvz_run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
vvz_build_example(${WORK_DIR}/prefix ${WORK_DIR}/build)
vvz_run(${CMAKE_COMMAND} -E chdir ${WORK_DIR} ${WORK_DIR}/build/consumer)
