# Runs the scenario runner and checks its exit status and its whole standard output.
#   cmake -DRUNNER=exe -DFILES=a.scn,b.scn -DSTATUS=n [-DGOLDEN=x.out] [-DSTDIN=file] -P CheckRun.cmake
# File names are given relative to the working directory, so FAIL and ERROR lines name them so.
string(REPLACE "," ";" files "${FILES}")
set(input)
if(DEFINED STDIN)
  set(input INPUT_FILE ${STDIN})
endif()
execute_process(COMMAND ${RUNNER} ${files} ${input}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n--- stdout\n${out}--- stderr\n${err}")
endif()
if(DEFINED GOLDEN)
  file(READ ${GOLDEN} want)
  if(NOT out STREQUAL want)
    message(FATAL_ERROR "output differs from ${GOLDEN}\n--- got\n${out}--- expected\n${want}")
  endif()
endif()
