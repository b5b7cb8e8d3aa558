# mirelon_program_resources(TARGET DESCRIPTION [ICON] [MANIFEST]): on Windows, links TARGET with
# what Windows shows of a program: version information in Japanese, with ICON the program's icon
# made from res/mirelon_*.png, with MANIFEST the manifest of res/windows (a program with wx gets it
# with wx's resources from src/gui/kit). Elsewhere it does nothing.
function(mirelon_program_resources target description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "ICON;MANIFEST" "" "" ${ARGN})
  set(MIRELON_RC_DIR "${CMAKE_SOURCE_DIR}/res/windows")
  set(MIRELON_RC_NAME "${target}")
  set(MIRELON_RC_DESCRIPTION "${description}")
  set(MIRELON_RC_EXTRA "")
  if(ARG_ICON)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(sizes 16 32 48 64 128 256)
    list(TRANSFORM sizes REPLACE "(.+)" "${CMAKE_SOURCE_DIR}/res/mirelon_\\1.png" OUTPUT_VARIABLE pngs)
    set(icon "${CMAKE_CURRENT_BINARY_DIR}/mirelon.ico")
    add_custom_command(OUTPUT "${icon}"
      COMMAND Python3::Interpreter "${MIRELON_RC_DIR}/make_icon.py" "${icon}" ${pngs}
      DEPENDS "${MIRELON_RC_DIR}/make_icon.py" ${pngs} VERBATIM)
    # The first icon by name is the one Explorer shows.
    string(APPEND MIRELON_RC_EXTRA "AAA_MIRELON ICON \"${icon}\"\n")
  endif()
  if(ARG_MANIFEST)
    string(APPEND MIRELON_RC_EXTRA "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${MIRELON_RC_DIR}/mirelon.manifest\"\n")
  endif()
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  configure_file("${MIRELON_RC_DIR}/program.rc.in" "${rc}" @ONLY)
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${icon};${MIRELON_RC_DIR}/mirelon.manifest")
  target_sources(${target} PRIVATE "${rc}")
endfunction()
