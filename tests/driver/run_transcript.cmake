# Runs one driver transcript: feeds CASE.script to the driver with a fresh
# settings folder (seeded from CASE.conf when there is one) and compares the
# output with CASE.expected. The exit status must be 1 exactly when the
# expected output holds an "error:" line.
#   cmake -DDRIVER=<zerdo-driver> -DCASE=<cases/name> -DWORK=<scratch folder> -P run_transcript.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/config/Zerdo")
if(EXISTS "${CASE}.conf")
  file(COPY_FILE "${CASE}.conf" "${WORK}/config/Zerdo/Zerdo.conf")
endif()

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "XDG_CONFIG_HOME=${WORK}/config" "${DRIVER}"
  INPUT_FILE "${CASE}.script"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE "${WORK}/actual.txt" "${actual}")
file(READ "${CASE}.expected" expected)

set(want_status 0)
if(expected MATCHES "(^|\n)error: ")
  set(want_status 1)
endif()

set(failed FALSE)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u "${CASE}.expected" "${WORK}/actual.txt" OUTPUT_VARIABLE diff)
  message("Output differs from ${CASE}.expected:\n${diff}")
  set(failed TRUE)
endif()
if(NOT "${status}" STREQUAL "${want_status}")
  message("Exit status ${status}, expected ${want_status}")
  set(failed TRUE)
endif()
if(errors)
  message("Standard error:\n${errors}")
endif()
if(failed)
  message(FATAL_ERROR "Transcript ${CASE} failed (actual output in ${WORK}/actual.txt)")
endif()
