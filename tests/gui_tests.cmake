# The GUI tests drive the real windows offscreen with the scripted dialogs.
add_executable(gui_tests
  gui_main.cpp
  app_fixture.h
  app_fixture.cpp
  test_code_page.cpp
  test_halvent.cpp
  test_main_window.cpp
  test_catalogue_commands.cpp
  test_lending.cpp
  test_settings_info.cpp
  test_printing.cpp
  test_save_faults.cpp
)
target_link_libraries(gui_tests PRIVATE korvant_app halvent_form GTest::gtest Qt6::Test)
target_compile_definitions(gui_tests PRIVATE
  SKELVORA_TEST_DATA="${SKELVORA_TEST_DATA}"
  SKELVORA_BIN_DIR="${SKELVORA_BIN_DIR}"
  SKELVORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  SKELVORA_VERSION_TEXT="${PROJECT_VERSION}")
add_dependencies(gui_tests Halvent Korvant)
gtest_discover_tests(gui_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=en_US.UTF-8")
