# ZARV_FUZZ builds the libFuzzer targets in fuzz/ (Clang only: configure with
# CC=clang CXX=clang++ -DZARV_FUZZ=ON -DZARV_TESTS=OFF; scripts/fuzz does).
# The fuzz build is a build folder of its own, so everything in it is compiled
# with the fuzzer's coverage instrumentation, AddressSanitizer and UBSan: the
# code a fuzz target exercises lives in the program's libraries, and the
# fuzzer only sees what is instrumented. Each fuzz target links libFuzzer's
# main itself (-fsanitize=fuzzer).
if(ZARV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
