# The warnings the project's own code is built with, in the main project, the page's engine and
# the fuzz targets alike: every target made after this is included links it. CI makes each of
# them an error (CMAKE_COMPILE_WARNING_AS_ERROR, scripts/build and scripts/test).
add_library(orvanel_warnings INTERFACE)
target_compile_options(orvanel_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 at -O2 and above reports "literal" + std::string as an overlapping memcpy, a false
  # positive of its own string inlining fixed in GCC 13.
  target_compile_options(orvanel_warnings INTERFACE -Wno-restrict)
endif()
link_libraries(orvanel_warnings)
