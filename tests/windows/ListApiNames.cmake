# zarv_write_api_names(FILE): writes, as API_VALUE(NAME) lines, every constant
# the stand-ins' public headers of Win32, Direct3D 9, D3DX 9 and DirectInput 8
# define (object-like macros with a value, and enumerators), so that one
# program can print their values built against our headers and against
# Windows' own (ApiValues.cpp).
set(zarv_api_headers
  ${CMAKE_SOURCE_DIR}/compat/win32/include/windows.h
  ${CMAKE_SOURCE_DIR}/compat/d3d9/include/d3d9.h
  ${CMAKE_SOURCE_DIR}/compat/d3d9/include/d3d9types.h
  ${CMAKE_SOURCE_DIR}/compat/d3d9/include/d3dx9core.h
  ${CMAKE_SOURCE_DIR}/compat/d3d9/include/d3dx9math.h
  ${CMAKE_SOURCE_DIR}/compat/dinput/include/dinput.h
)

function(zarv_write_api_names file)
  set(names "")
  foreach(header ${zarv_api_headers})
    file(STRINGS ${header} lines)
    foreach(line IN LISTS lines)
      # (Two tests: a failed MATCHES clears the other's CMAKE_MATCH_1.)
      if(line MATCHES "^#define ([A-Z][A-Z0-9_]*)[ \t]+[^ \t]")
        list(APPEND names ${CMAKE_MATCH_1})
      elseif(line MATCHES "^[ \t]+([A-Z][A-Z0-9_]*)( = [^,]+)?,")
        list(APPEND names ${CMAKE_MATCH_1})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(TRANSFORM names PREPEND "API_VALUE(")
  list(TRANSFORM names APPEND ")")
  list(JOIN names "\n" text)
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${zarv_api_headers})
endfunction()
