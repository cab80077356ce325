# Control channels and the engine model.
target_sources(zarv_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ControlChannel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Engine.cpp
)
