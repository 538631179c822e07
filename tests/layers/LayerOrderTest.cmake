# The layer check against a small tree with one include of each kind it has
# to refuse, then against the project's own tree, which has to pass.
#
#   cmake -DCHECK=<CheckLayerOrder.cmake> -DFIXTURE=<tree> -DSOURCE_DIR=<tree> -P LayerOrderTest.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${FIXTURE} -P ${CHECK}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(status EQUAL 0)
  message(FATAL_ERROR "the check passed a tree with upward includes:\n${out}${err}")
endif()
set(expected
  "platform/Seam.h: includes \"camera/CameraSettingsDialog.h\", but camera/ stands above platform/"
  "network/Sections.cpp: includes \"widgets/Spinner.h\", but widgets/ is no room of the layer order"
  "cli/Tool.cpp: includes \"app/AppContext.h\", but app/ stands beside cli/")
foreach(line IN LISTS expected)
  string(FIND "${err}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the check did not name: ${line}\nit said:\n${err}")
  endif()
endforeach()
# Exactly those three: the includes that point down must pass.
string(REGEX MATCHALL "[a-z]+/[A-Za-z]+\\.[a-z]+: includes \"" named "${err}")
list(LENGTH named count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "the check named ${count} includes, not 3:\n${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -P ${CHECK}
  RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the project's own tree breaks the layer order:\n${err}")
endif()
