# The starter content: our own generator draws the frames, brushes and decorations
# and renders the cliparts listed in tools/starter_packs/cliparts.txt from Debian's
# openclipart-svg, then writes them as resource packs. The program imports them into
# a data folder once, from build/packs in a build tree or from the installed
# share/montora-studio/packs.
include(GNUInstallDirs)

set(MONTORA_OPENCLIPART_DIR /usr/share/openclipart/svg CACHE PATH "The SVG folder of the openclipart-svg package")
set(MONTORA_CLIPART_LIST ${CMAKE_SOURCE_DIR}/tools/starter_packs/cliparts.txt)
file(GLOB STARTER_PACK_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/starter_packs/*.cpp)
add_executable(starter_packs_generator ${STARTER_PACK_TOOL_SOURCES})
set_target_properties(starter_packs_generator PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(starter_packs_generator PRIVATE montora_engine)

set(MONTORA_STARTER_PACK_DIR ${CMAKE_BINARY_DIR}/packs)
set(MONTORA_STARTER_PACKS)
foreach(name cliparts frames brushes chrome ca emboss cloth glow neon)
  list(APPEND MONTORA_STARTER_PACKS ${MONTORA_STARTER_PACK_DIR}/montora-starter-${name}.irs)
endforeach()
add_custom_command(OUTPUT ${MONTORA_STARTER_PACKS}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:starter_packs_generator> ${MONTORA_STARTER_PACK_DIR} ${MONTORA_OPENCLIPART_DIR} ${MONTORA_CLIPART_LIST}
  DEPENDS starter_packs_generator ${MONTORA_CLIPART_LIST}
  COMMENT "Drawing the starter packs"
  VERBATIM)
add_custom_target(starter_packs ALL DEPENDS ${MONTORA_STARTER_PACKS})
# A build-tree run of either program finds the packs beside it.
add_dependencies(montora-studio starter_packs)
add_dependencies(montora starter_packs)

install(FILES ${MONTORA_STARTER_PACKS} DESTINATION ${CMAKE_INSTALL_DATADIR}/montora-studio/packs)
