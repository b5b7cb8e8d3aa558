# mirelon_windows_icon(VARIABLE): makes the program's icon (all sizes of res/mirelon_*.png, so it
# has one source) in the current binary folder and sets VARIABLE to its path.
function(mirelon_windows_icon variable)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(sizes 16 32 48 64 128 256)
  list(TRANSFORM sizes REPLACE "(.+)" "${CMAKE_SOURCE_DIR}/res/mirelon_\\1.png" OUTPUT_VARIABLE pngs)
  set(icon "${CMAKE_CURRENT_BINARY_DIR}/mirelon.ico")
  add_custom_command(OUTPUT "${icon}"
    COMMAND Python3::Interpreter "${CMAKE_SOURCE_DIR}/res/windows/make_icon.py" "${icon}" ${pngs}
    DEPENDS "${CMAKE_SOURCE_DIR}/res/windows/make_icon.py" ${pngs} VERBATIM)
  set(${variable} "${icon}" PARENT_SCOPE)
endfunction()

# mirelon_program_resources(TARGET DESCRIPTION [MANIFEST]): on Windows, links TARGET with its
# version information in Japanese, as Explorer shows it, and with MANIFEST the manifest of
# res/windows (a program with wx gets the manifest and the icon with wx's resources from
# src/gui/kit: resources compiled apart would number their icons alike). Elsewhere it does nothing.
function(mirelon_program_resources target description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "MANIFEST" "" "" ${ARGN})
  set(MIRELON_RC_NAME "${target}")
  set(MIRELON_RC_DESCRIPTION "${description}")
  set(MIRELON_RC_EXTRA "")
  set(manifest "${CMAKE_SOURCE_DIR}/res/windows/mirelon.manifest")
  if(ARG_MANIFEST)
    set(MIRELON_RC_EXTRA "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${manifest}\"")
  endif()
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  configure_file("${CMAKE_SOURCE_DIR}/res/windows/program.rc.in" "${rc}" @ONLY)
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${manifest}")
  target_sources(${target} PRIVATE "${rc}")
endfunction()
