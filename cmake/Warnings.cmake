# The compiler warnings every target of the project builds with, in one place.
# Each target links it PRIVATE, so the flags reach its own sources and not its users'.
# Warnings stay warnings in a local build; the CI run turns them into errors through
# CMAKE_COMPILE_WARNING_AS_ERROR (see CMakePresets.json and .ci/run).
add_library(kelvora_warnings INTERFACE)
target_compile_options(kelvora_warnings INTERFACE
  -Wall -Wextra
  # Designated initialisers that leave members to their defaults are the house style.
  -Wno-missing-field-initializers
)
