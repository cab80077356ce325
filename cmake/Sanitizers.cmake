# ZARV_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
if(ZARV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  # Every program built from here on keeps its libraries loaded (see the
  # file); the executable's dlclose must be the one libraries loaded later
  # call, so it is exported.
  add_library(keep_libraries_loaded OBJECT ${CMAKE_SOURCE_DIR}/tests/support/KeepLibrariesLoaded.cpp)
  link_libraries(keep_libraries_loaded)
  add_link_options(-Wl,--export-dynamic-symbol=dlclose)
endif()
