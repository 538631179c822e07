# Checks that every include of the source tree points down the layer order
# of LayerOrder.cmake.
#
#   cmake -DSOURCE_DIR=<tree> [-DSTAMP=<file>] -P CheckLayerOrder.cmake
#
# Fails naming every file and include that points up, sideways or out of the
# order; touches STAMP when the tree keeps the order.
include("${CMAKE_CURRENT_LIST_DIR}/LayerOrder.cmake")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayerOrder: SOURCE_DIR is not set")
endif()

set(problems "")
set(checked 0)
foreach(room IN LISTS KRT_LAYER_ROOMS)
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/${room}/*.h" "${SOURCE_DIR}/${room}/*.hpp" "${SOURCE_DIR}/${room}/*.cpp")
  list(SORT files)
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    # Only includes that name a folder: generated headers ("ui_X.h") have none.
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*/[^\"]*\"")
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" path "${include}")
      string(REGEX REPLACE "/.*$" "" target "${path}")
      if(target STREQUAL room)
        continue()
      endif()
      if(NOT DEFINED KRT_LAYER_RANK_${target})
        list(APPEND problems "${file}: includes \"${path}\", but ${target}/ is no room of the layer order")
      elseif(KRT_LAYER_RANK_${target} GREATER KRT_LAYER_RANK_${room})
        list(APPEND problems "${file}: includes \"${path}\", but ${target}/ stands above ${room}/")
      elseif(KRT_LAYER_RANK_${target} EQUAL KRT_LAYER_RANK_${room})
        list(APPEND problems "${file}: includes \"${path}\", but ${target}/ stands beside ${room}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "CheckLayerOrder: no source file of a room under ${SOURCE_DIR}")
endif()
if(problems)
  list(JOIN problems "\n  " text)
  list(JOIN KRT_LAYER_ORDER " < " order)
  string(REGEX REPLACE "([a-z]) ([a-z])" "\\1, \\2" order "${order}")
  message(FATAL_ERROR "Includes out of the layer order (${order}):\n  ${text}\n")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
