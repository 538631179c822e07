# The rooms of the source tree, lowest first. A file includes only its own
# room and rooms below it; rooms on one line stand side by side and never
# include each other. bench/, fuzz/ and tests/ stand outside the order and
# may include anything. CheckLayerOrder.cmake holds every include to it, and
# the build runs that check.
set(KRT_LAYER_ORDER
  "platform"                     # system seams, the INI engine, text helpers, CUtil
  "models"                       # the catalogue and the per-model tables
  "context"                      # the services of one run and the records the dialogs edit
  "network"
  "camera"
  "audio"
  "params"                       # the main dialog and its core, which wires the subsystems together
  "app cli web")                 # front ends and composition roots: nothing includes them

# KRT_LAYER_ROOMS: every room; KRT_LAYER_RANK_<room>: its place, from 0.
set(KRT_LAYER_ROOMS "")
set(_krt_rank 0)
foreach(_krt_line IN LISTS KRT_LAYER_ORDER)
  string(REPLACE " " ";" _krt_names "${_krt_line}")
  foreach(_krt_name IN LISTS _krt_names)
    set(KRT_LAYER_RANK_${_krt_name} ${_krt_rank})
    list(APPEND KRT_LAYER_ROOMS ${_krt_name})
  endforeach()
  math(EXPR _krt_rank "${_krt_rank} + 1")
endforeach()
