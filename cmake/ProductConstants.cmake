# The publisher's page, which every build of the product names unless told another.
set(ORVANEL_DEFAULT_PUBLISHER_URL "http://orvanel.example.org/")

# Writes the product's texts (ProductConstants.h) into `folder`: the version read from the main
# project's CMakeLists.txt, so that the page's engine and the fuzz targets, projects of their
# own, say the same; the publisher page as given.
function(orvanel_product_constants folder publisher_url)
  file(STRINGS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../CMakeLists.txt main_project
       REGEX "^project\\(Orvanel VERSION")
  string(REGEX MATCH "VERSION ([0-9]+)\\.([0-9]+)\\.([0-9]+)" _ "${main_project}")
  set(PROJECT_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(PROJECT_VERSION_MINOR ${CMAKE_MATCH_2})
  set(PROJECT_VERSION_PATCH ${CMAKE_MATCH_3})
  set(ORVANEL_PUBLISHER_URL ${publisher_url})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../model/ProductConstants.h.in
                 ${folder}/ProductConstants.h @ONLY)
endfunction()
