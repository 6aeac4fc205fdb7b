# Board lists of both producers and their export to a text file.
target_sources(norvex5_output PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/boardlists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listexport.cpp
)
