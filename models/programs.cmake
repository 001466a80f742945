# The three programs: tables, models, drivers and descriptors, above the graph engine.
file(GLOB TESSALY_PROGRAM_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/models/program*.cpp
  ${PROJECT_SOURCE_DIR}/models/commands*.cpp
  ${PROJECT_SOURCE_DIR}/models/passes*.cpp
  ${PROJECT_SOURCE_DIR}/models/reference*.cpp
  ${PROJECT_SOURCE_DIR}/models/rcl/*.cpp
  ${PROJECT_SOURCE_DIR}/models/lc/*.cpp
  ${PROJECT_SOURCE_DIR}/models/elements/*.cpp)
if(NOT TESSALY_PROGRAM_SOURCES OR NOT TARGET tessaly_graph OR NOT TARGET tessaly_resources)
  return()
endif()
add_library(tessaly_programs STATIC ${TESSALY_PROGRAM_SOURCES})
target_link_libraries(tessaly_programs PUBLIC tessaly_graph tessaly_surface tessaly_state
  tessaly_resources)
tessaly_warnings(tessaly_programs)
