# Filters HeaderCommentsSample.h with docs/HeaderComments.awk (FILTER), as Doxygen does with awk,
# and compares the result with HeaderCommentsSample.expected: which comments become
# documentation, and which declarations each documents.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND awk -f ${FILTER} ${CMAKE_CURRENT_LIST_DIR}/HeaderCommentsSample.h
    RESULT_VARIABLE result OUTPUT_VARIABLE filtered ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "awk failed (${result}): ${error}")
endif()
file(READ ${CMAKE_CURRENT_LIST_DIR}/HeaderCommentsSample.expected expected)
if(NOT filtered STREQUAL expected)
    message(FATAL_ERROR "the filter wrote\n${filtered}\ninstead of\n${expected}")
endif()
