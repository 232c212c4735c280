# Runs one libFuzzer harness over its seed corpus and a fixed number of mutations, for the
# fuzz_smoke target, and keeps quiet about a clean run:
#   cmake -DHARNESS=<program> -DCORPUS=<seed folder> -DSCRATCH=<folder> -DRUNS=<mutations>
#         [-DSYMBOLIZER=<llvm-symbolizer>] -P RunSmoke.cmake
# The corpus is read, never written: new inputs go to SCRATCH/corpus, and the input of a finding
# to SCRATCH. SCRATCH is emptied first, so that every smoke run starts from the seeds alone and
# runs the same inputs. The harness's whole output is kept in SCRATCH/output.txt. A clean run prints one
# line: the runs, the seconds, the coverage and the size of the corpus. A finding (any status
# other than 0: a crash, a sanitizer report, a leak, a timeout, a run out of memory) prints
# the whole output, with the sanitizer's trace and the file that holds the input, and fails.
foreach(variable HARNESS CORPUS SCRATCH RUNS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "RunSmoke.cmake needs -D${variable}=...")
    endif()
endforeach()
get_filename_component(name ${HARNESS} NAME)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/corpus)
# Function names and lines in the traces, where llvm-symbolizer is installed.
if(SYMBOLIZER)
    set(ENV{ASAN_SYMBOLIZER_PATH} ${SYMBOLIZER})
endif()
execute_process(
    COMMAND ${HARNESS} -runs=${RUNS} -seed=1 -timeout=10 -rss_limit_mb=4096 -max_len=4096
        -artifact_prefix=${SCRATCH}/ ${SCRATCH}/corpus ${CORPUS}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(WRITE ${SCRATCH}/output.txt "${output}")

if(NOT status STREQUAL "0")
    # message() without a mode writes the text as it is, with the trace's lines unwrapped.
    message("${output}")
    message(FATAL_ERROR "${name} found something (status ${status}); the input that shows it "
        "is in ${SCRATCH}, the output above in ${SCRATCH}/output.txt")
endif()

# libFuzzer ends a run with "#<runs> DONE cov: <edges> ft: <features> corp: <inputs>/<size>
# ..." and "Done <runs> runs in <seconds> second(s)".
set(summary "${name}: no finding")
if(output MATCHES "Done ([0-9]+) runs in ([0-9]+) second")
    string(APPEND summary ", ${CMAKE_MATCH_1} runs in ${CMAKE_MATCH_2} s")
endif()
if(output MATCHES "DONE +cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)/")
    string(APPEND summary ", coverage ${CMAKE_MATCH_1} edges and ${CMAKE_MATCH_2} features, "
        "${CMAKE_MATCH_3} inputs in the corpus")
endif()
message("${summary}")
