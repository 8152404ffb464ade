# Product code: no exceptions, no RTTI; keeps the static runtime's unwinder and demangler out of the exe.
function(velkor_product_flags target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
  if(WIN32)
    # Without exceptions the unwind tables serve no one; in the exe they would take about 13 KB.
    target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
    # One section per function and datum, so the linker drops what the exe never calls.
    target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
    # Optimised for size rather than speed, further than -Os: nothing in the installer is time-critical.
    target_compile_options(${target} PRIVATE -Oz)
    # Data aligned as the ABI asks and no further: GCC otherwise puts every text and table of 32 bytes or more on a
    # 32-byte boundary, which cost the read-only data about 640 bytes of padding.
    target_compile_options(${target} PRIVATE -malign-data=abi)
    # Link-time optimisation for the exe; fat objects let the test programs link the same libraries plainly.
    target_compile_options(${target} PRIVATE -flto -ffat-lto-objects)
    # Functions called from one place stay functions: inlined into their callers they made the exe larger.
    target_compile_options(${target} PRIVATE -fno-inline-functions-called-once)
    target_link_libraries(${target} PUBLIC velkor_win_definitions)
  endif()
endfunction()

# A test executable from the given sources, linked with GoogleTest and the product libraries.
function(velkor_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main velkor_core)
  if(WIN32)
    target_link_libraries(${name} PRIVATE velkor_win)
  endif()
  add_test(NAME ${name} COMMAND ${name})
endfunction()
