# Steps of the tests that build the example program (examples/) against an installed package.
# The including script sets EXAMPLE_DIR, WORK_DIR, GENERATOR and CONSUMER_FLAGS (compiler and
# linker flags of the build under test, such as the sanitizers').

set(VVZ_EXAMPLE_OUTPUT ${CMAKE_CURRENT_LIST_DIR}/ExampleOutput.txt)

# Runs a command and fails the test, with the command's output, when it fails. What it printed
# is left in `output`.
function(vvz_run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

# Builds the example in build with find_package, against the package installed under prefix.
function(vvz_build_example prefix build)
    vvz_run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${build} -G ${GENERATOR}
        -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
        "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
    vvz_run(${CMAKE_COMMAND} --build ${build})
endfunction()

# Runs an example program from WORK_DIR, away from the build tree, and checks that it prints
# what ExampleOutput.txt holds: with the installed translations, and nothing else, it formats
# and parses in English and German.
function(vvz_check_example program)
    vvz_run(${CMAKE_COMMAND} -E chdir ${WORK_DIR} ${program})
    file(READ ${VVZ_EXAMPLE_OUTPUT} expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "${program} printed\n${output}\ninstead of\n${expected}")
    endif()
endfunction()

# Imports the Python module installed under site (the folder that holds the package
# vivuzazadur) with the interpreter PYTHON, from WORK_DIR, and checks that it formats and parses
# with the installed translations: «2,00 Meter» is German, from the installed files only.
function(vvz_check_python site)
    file(WRITE ${WORK_DIR}/check_module.py [[
import vivuzazadur as vvz
f = vvz.Formatter("de-DE", locale_numbers=True)
print(vvz.__file__)
print(f.format(2, vvz.Units.Meter, vvz.Symbols.Meter_Name))
print(f.parse("5'6 1/2\"", "Inch"))
]])
    vvz_run(${CMAKE_COMMAND} -E chdir ${WORK_DIR} ${CMAKE_COMMAND} -E env PYTHONPATH=${site}
        PYTHONDONTWRITEBYTECODE=1 ${PYTHON} check_module.py)
    if(NOT output STREQUAL "${site}/vivuzazadur/__init__.py\n2,00 Meter\n66.5\n")
        message(FATAL_ERROR "the installed Python module printed\n${output}")
    endif()
endfunction()
