# tamberlo-bench run in an empty folder prints its counters and leaves the
# folder, and the temporary folder it wrote its logs to, empty; with a log
# folder named, the report and the three logs stay there. Under a file-size
# limit it says which file it cannot write, rather than being killed.
# cmake -DBENCH=program -DDEFINITION=ReelSetup.ini -DWORK=scratch-folder -P bench_leaves_nothing.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/run" "${WORK}/tmp")

function(run_bench)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "TMPDIR=${WORK}/tmp" "${BENCH}" "${DEFINITION}" 1000 ${ARGN}
                  WORKING_DIRECTORY "${WORK}/run" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^Games 1000\nTotalBet 20000\n")
    message(FATAL_ERROR "tamberlo-bench ${ARGN} failed (${status}):\n${out}${err}")
  endif()
endfunction()

run_bench()
file(GLOB left "${WORK}/run/*" "${WORK}/tmp/*")
if(left)
  message(FATAL_ERROR "tamberlo-bench left: ${left}")
endif()

run_bench(logs)
foreach(log Temp1.txt Jackpot.txt FreeSpins.txt Percent_10000.txt)
  if(NOT EXISTS "${WORK}/run/logs/${log}")
    message(FATAL_ERROR "tamberlo-bench wrote no ${log} into the folder named")
  endif()
endforeach()

execute_process(COMMAND sh -c "ulimit -f 1 && exec \"$0\" \"$@\"" "${BENCH}" "${DEFINITION}" 1000 limited
                WORKING_DIRECTORY "${WORK}/run" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err STREQUAL "tamberlo-bench: Cannot write \"Temp1.txt\": File too large.\n")
  message(FATAL_ERROR "tamberlo-bench under a 1 KiB file-size limit (${status}):\n${err}")
endif()
file(REMOVE_RECURSE "${WORK}")
