# Warnings on for every target of ours; the build stays clean under GCC and Clang.
add_compile_options(-Wall -Wextra -Wpedantic)
