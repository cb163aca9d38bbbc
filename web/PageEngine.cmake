# The page's engine: the window's model and the file converter behind the page's exports. The
# WebAssembly build, the native protocol test and the fuzz targets link this one library. An
# object library, so that every export is linked whether or not anything calls it.
add_library(orvanel_page_engine OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/engine.cpp ${CMAKE_CURRENT_LIST_DIR}/convert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Exports.h ${CMAKE_CURRENT_LIST_DIR}/Converter.h
  ${CMAKE_CURRENT_LIST_DIR}/Json.h ${CMAKE_CURRENT_LIST_DIR}/Protocol.h)
target_include_directories(orvanel_page_engine PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(orvanel_page_engine PUBLIC orvanel_model orvanel_batch)
