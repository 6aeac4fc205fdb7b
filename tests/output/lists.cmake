norvex5_model_test(lists_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/boardlists_test.cpp ${CMAKE_CURRENT_LIST_DIR}/listexport_test.cpp
  LIBS norvex5_output)
target_include_directories(lists_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../externalwheels)
