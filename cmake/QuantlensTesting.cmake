# Registers a GoogleTest executable with CTest. Natively every test case is its
# own CTest entry; a Windows executable runs as one entry, since each entry is
# a separate start of Wine.
function(quantlens_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 900)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
