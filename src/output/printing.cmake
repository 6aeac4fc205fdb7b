# Ticket layouts, ticket printing and the printed list: model files in the output library, the
# printer-backed surface in the windows library.
target_sources(norvex5_output PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/listprinting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticketlayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticketprinting.cpp
)
if(TARGET norvex5windows)
  target_sources(norvex5windows PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qprintsurface.cpp
  )
endif()
