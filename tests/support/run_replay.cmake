# Runs one replay script and compares standard output with NAME.expected beside it.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${name}.expected)
string(RANDOM LENGTH 12 tag)
set(run_dir $ENV{TMPDIR})
if(NOT run_dir)
  set(run_dir /tmp)
endif()
set(run_dir ${run_dir}/replay-${name}-${tag})
file(MAKE_DIRECTORY ${run_dir})
execute_process(
  COMMAND ${REPLAY} --dir ${run_dir} --now "2016-05-03 14:05:09" ${SCRIPT}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(REMOVE_RECURSE ${run_dir})
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "replay ${name}: output differs (status ${status})\n--- expected\n${expected}\n--- actual\n${actual}\n--- stderr\n${errors}")
endif()
