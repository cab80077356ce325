# ZARV_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
if(ZARV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  # Every program built from here on keeps its libraries loaded (see
  # KeepLibrariesLoaded.cpp beside this file); the executable's dlclose must
  # be the one libraries loaded later call, so it is exported. The target is
  # made here, not in a folder of its own: link_libraries only reaches the
  # targets made after it in this folder and below, and that must be every one.
  add_library(keep_libraries_loaded OBJECT ${CMAKE_CURRENT_LIST_DIR}/KeepLibrariesLoaded.cpp)
  link_libraries(keep_libraries_loaded)
  add_link_options(-Wl,--export-dynamic-symbol=dlclose)
endif()
