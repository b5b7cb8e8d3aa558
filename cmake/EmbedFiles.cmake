# mirelon_embed_files(OUTPUT FUNCTION FILES...): writes a C++ source whose FUNCTION returns the
# bytes of FILES (as declared in src/gui/kit/app_icon_data.h).
function(mirelon_embed_files output function)
  set(body "#include \"gui/kit/app_icon_data.h\"\n\nnamespace mirelon {\nnamespace {\n")
  set(entries "")
  set(index 0)
  foreach(file IN LISTS ARGN)
    file(READ "${file}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND body "const unsigned char kImage${index}[] = {${bytes}};\n")
    string(APPEND entries "{kImage${index}, sizeof kImage${index}}, ")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "}  // namespace\n\nconst std::vector<EmbeddedImage>& ${function}() {\n"
         "  static const std::vector<EmbeddedImage> images{${entries}};\n  return images;\n}\n\n}  // namespace mirelon\n")
  file(CONFIGURE OUTPUT "${output}" CONTENT "${body}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARGN})
endfunction()
