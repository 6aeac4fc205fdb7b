# Ticket layouts, ticket printing and the printed list through a recording surface; a real PDF
# written through QPrinter.
norvex5_model_test(output_printing_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/recordingsurface.h
    ${CMAKE_CURRENT_LIST_DIR}/ticketlayouts_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ticketprinting_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/listprinting_test.cpp
  LIBS norvex5_output)

if(TARGET norvex5windows)
  norvex5_window_test(output_pdf_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/pdfprinting_test.cpp)
  find_program(NORVEX5_PDFTOTEXT pdftotext)
  find_program(NORVEX5_PDFTOPPM pdftoppm)
  target_compile_definitions(output_pdf_test PRIVATE
    NORVEX5_PDFTOTEXT="${NORVEX5_PDFTOTEXT}" NORVEX5_PDFTOPPM="${NORVEX5_PDFTOPPM}")

  # The speed and memory measure of bench/print-tickets; built only when the bench asks for it.
  add_executable(norvex5_bench_print_tickets EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/bench/print-tickets.cpp)
  target_link_libraries(norvex5_bench_print_tickets PRIVATE norvex5windows)
endif()
