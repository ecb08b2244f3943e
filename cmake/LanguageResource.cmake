# The built-in language resource: the English texts in resources/lang are
# enciphered at build time by our own producer and compiled into the engine.
# The producer is built from the engine's own cipher sources (it cannot link the
# engine, which holds its output).
set(MONTORA_LANG_PRODUCER_SOURCES
  ${CMAKE_SOURCE_DIR}/tools/lang_producer/lang_producer.cpp
  ${CMAKE_SOURCE_DIR}/src/language/gost_block_cipher.cpp
  ${CMAKE_SOURCE_DIR}/src/language/lang_file_cipher.cpp
  ${CMAKE_SOURCE_DIR}/src/language/lang_file_segment.cpp
  ${CMAKE_SOURCE_DIR}/src/language/language_table.cpp
  ${CMAKE_SOURCE_DIR}/src/language/language_text_file.cpp
  ${CMAKE_SOURCE_DIR}/src/language/square_block_cipher.cpp
  ${CMAKE_SOURCE_DIR}/src/language/square_cbc.cpp
  ${CMAKE_SOURCE_DIR}/src/language/square_ofb.cpp
  ${CMAKE_SOURCE_DIR}/src/base/atomic_file.cpp
  ${CMAKE_SOURCE_DIR}/src/base/posix_file.cpp
  ${CMAKE_SOURCE_DIR}/src/base/write_faults.cpp
  ${CMAKE_SOURCE_DIR}/src/base/binary_reader.cpp
  ${CMAKE_SOURCE_DIR}/src/base/fixed_text.cpp)
add_executable(montora-lang-producer ${MONTORA_LANG_PRODUCER_SOURCES})
target_include_directories(montora-lang-producer PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(montora-lang-producer PRIVATE Qt6::Core PkgConfig::CRYPTOPP)

set(MONTORA_LANG_DIR ${CMAKE_BINARY_DIR}/generated/lang)
set(MONTORA_LANG_TEXT ${CMAKE_SOURCE_DIR}/resources/lang/english.txt)
add_custom_command(
  OUTPUT ${MONTORA_LANG_DIR}/english.mfd
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MONTORA_LANG_DIR}
  COMMAND montora-lang-producer ${MONTORA_LANG_TEXT} ${MONTORA_LANG_DIR}/english.mfd
  DEPENDS montora-lang-producer ${MONTORA_LANG_TEXT}
  COMMENT "Enciphering the built-in language file"
  VERBATIM)
qt_add_resources(montora_engine montora_language
  PREFIX /lang
  BASE ${MONTORA_LANG_DIR}
  FILES ${MONTORA_LANG_DIR}/english.mfd)
