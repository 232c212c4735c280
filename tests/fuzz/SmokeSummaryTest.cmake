# Runs fuzz/RunSmoke.cmake (RUN_SMOKE) on two stand-ins for a libFuzzer harness, shell scripts
# that print what libFuzzer prints: a clean run must come out as one line with its runs and
# coverage, a finding as the harness's whole output, unwrapped, and a failure.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/seeds)

# The stand-in: its arguments and libFuzzer's lines on standard error; with FIND set, a report
# of AddressSanitizer, the input written where -artifact_prefix says, and status 1.
file(WRITE ${WORK_DIR}/harness.sh [=[#!/bin/sh
prefix=./
for argument; do
    case $argument in -artifact_prefix=*) prefix=${argument#-artifact_prefix=};; esac
done
echo "arguments: $*" >&2
echo "INFO: Seed: 1" >&2
echo "#2	INITED cov: 1200 ft: 5000 corp: 29/1214b exec/s: 0 rss: 38Mb" >&2
echo "#1024	pulse  cov: 1230 ft: 5600 corp: 250/9Kb lim: 4096 exec/s: 512 rss: 60Mb" >&2
if [ -n "$FIND" ]; then
    echo "==7==ERROR: AddressSanitizer: heap-buffer-overflow on address 0x6020" >&2
    echo "    #0 0x55d1 in ScanNumber(wchar_t const*) units/number/NumberScanner.cpp:42:7" >&2
    printf 'x' > "${prefix}crash-0123"
    echo "artifact_prefix='$prefix'; Test unit written to ${prefix}crash-0123" >&2
    exit 1
fi
echo "#20000	DONE   cov: 1234 ft: 5678 corp: 300/20Kb lim: 4096 exec/s: 6666 rss: 90Mb" >&2
echo "Done 20000 runs in 3 second(s)" >&2
]=])
file(CHMOD ${WORK_DIR}/harness.sh PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Runs RunSmoke.cmake on the stand-in; its status and what it printed are left in status and
# printed.
function(run_smoke scratch)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${ARGN} ${CMAKE_COMMAND} -DHARNESS=${WORK_DIR}/harness.sh
            -DCORPUS=${WORK_DIR}/seeds -DSCRATCH=${scratch} -DRUNS=20000 -P ${RUN_SMOKE}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(status "${result}" PARENT_SCOPE)
    set(printed "${out}" PARENT_SCOPE)
endfunction()

# Fails the test with text unless the condition (the further arguments, as if() takes them)
# holds.
function(expect text)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "${text}; RunSmoke.cmake printed:\n${printed}")
    endif()
endfunction()

run_smoke(${WORK_DIR}/clean)
expect("a clean run fails (status ${status})" status EQUAL 0)
set(line "harness.sh: no finding, 20000 runs in 3 s, coverage 1234 edges and 5678 features, ")
string(APPEND line "300 inputs in the corpus\n")
expect("a clean run is not the one line" printed STREQUAL line)
file(READ ${WORK_DIR}/clean/output.txt kept)
expect("the harness is not run over the scratch corpus and the seeds" kept MATCHES
    "-runs=20000 .*-artifact_prefix=${WORK_DIR}/clean/ ${WORK_DIR}/clean/corpus ${WORK_DIR}/seeds")
expect("the output is not kept" kept MATCHES "#2\tINITED")

run_smoke(${WORK_DIR}/finding FIND=1)
expect("a finding passes" NOT status EQUAL 0)
expect("the trace is not printed as it is" printed MATCHES
    "\n    #0 0x55d1 in ScanNumber\\(wchar_t const\\*\\) units/number/NumberScanner.cpp:42:7\n")
expect("the output before the finding is not printed" printed MATCHES "#1024\tpulse")
expect("the failure does not say so" printed MATCHES "found something \\(status 1\\)")
expect("the input is not kept in the scratch folder" EXISTS ${WORK_DIR}/finding/crash-0123)
