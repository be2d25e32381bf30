# tarvix_add_test(<name> SOURCES <files...> [LIBS <targets...>] [RESOURCE_LOCK <lock>]
#                 [ENVIRONMENT <VAR=value...>] [QT] [TIMEOUT <seconds>])
#
# One executable per test file, registered with CTest and labelled with its
# folder. QT tests link Qt Test
# and run on the offscreen platform so that no display is needed.
# For widget tests in sanitizer builds: Qt's offscreen plugin leaks its screen
# (tests/lsan.supp), and only full stacks show the plugin's frame. Full stacks
# make every allocation slow, so only widget tests ask for them.
set(TARVIX_WIDGET_LSAN LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:fast_unwind_on_malloc=0)

# No test may reach the machine's real buses: every test gets addresses that
# lead nowhere, and those that need a bus start private ones (tests/support,
# dbus-run-session), which the programs they start inherit.
set(TARVIX_NO_REAL_BUS
    DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/tarvix-tests-use-a-private-bus
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tarvix-tests-use-a-private-bus)

function(tarvix_add_test name)
    cmake_parse_arguments(T "QT" "RESOURCE_LOCK;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TARVIX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        TARVIX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    if(T_QT)
        target_link_libraries(${name} PRIVATE Qt5::Test)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    # The folder name is the label, so one subsystem's tests run with `ctest -L <folder>`.
    get_filename_component(label ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set_tests_properties(${name} PROPERTIES LABELS ${label})
    set(env QT_QPA_PLATFORM=offscreen ${TARVIX_NO_REAL_BUS} ${T_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
    if(T_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${T_RESOURCE_LOCK})
    endif()
    if(T_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    else()
        set_tests_properties(${name} PROPERTIES TIMEOUT 120)
    endif()
endfunction()
