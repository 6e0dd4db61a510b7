# The compiler warnings every target of the project builds with, in one place.
# Each target links it PRIVATE, so the flags reach its own sources and not its users'.
# Warnings stay warnings in a local build; the CI run turns them into errors through
# CMAKE_COMPILE_WARNING_AS_ERROR (see CMakePresets.json and .ci/run).
add_library(kelvora_warnings INTERFACE)
target_compile_options(kelvora_warnings INTERFACE
  -Wall -Wextra -Wpedantic
  -Wshadow
  -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
  -Wcast-qual -Wformat=2 -Wextra-semi -Wmissing-declarations
  # GCC only (Clang does not know them, or means something else by them).
  $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond>
  $<$<CXX_COMPILER_ID:GNU>:-Wlogical-op>
  # Designated initialisers that leave members to their defaults are the house style.
  -Wno-missing-field-initializers
)
# Under the sanitizers GCC's flow analysis sees uninitialised reads that are not
# there (in libstdc++ 12's own std::regex at -O1); the plain build keeps the warning.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
  target_compile_options(kelvora_warnings INTERFACE -Wno-maybe-uninitialized)
endif()
