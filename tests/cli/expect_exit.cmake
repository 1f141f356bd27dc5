# SPDX-License-Identifier: MIT
# Runs COMMAND with ARGS and fails unless it exits with EXPECTED.
execute_process(COMMAND ${COMMAND} ${ARGS} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL EXPECTED)
    message(FATAL_ERROR "${COMMAND} ${ARGS}: exit status ${status}, expected ${EXPECTED}")
endif()
