# How tests are registered: Qt Test programs, and the environment every test runs in.

# What a caller's desktop session may hold that would reach a test: its displays, buses, sound
# server, Qt's theme, scale, fonts and input method, the desktop it names, its language.
set(AMPLORA_SESSION_VARIABLES
  DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET XAUTHORITY
  DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
  PULSE_SERVER PULSE_RUNTIME_PATH PULSE_COOKIE PIPEWIRE_REMOTE PIPEWIRE_RUNTIME_DIR
  CANBERRA_DRIVER ALSA_CONFIG_PATH AUDIODEV
  QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_FONT_DPI
  QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
  QT_SCALE_FACTOR_ROUNDING_POLICY QT_USE_PHYSICAL_DPI QT_IM_MODULE QT_ACCESSIBILITY
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_WAYLAND_DECORATION QT_WAYLAND_DISABLE_WINDOWDECORATION
  QT_WAYLAND_SHELL_INTEGRATION QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH
  XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION KDE_FULL_SESSION
  GNOME_DESKTOP_SESSION_ID XDG_DATA_DIRS XDG_CONFIG_DIRS
  LANGUAGE LC_ALL LC_CTYPE LC_NUMERIC LC_MESSAGES)

# A home of the tests' own, private as a runtime directory must be; its sound device plays
# nothing.
set(AMPLORA_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${AMPLORA_TEST_HOME}/config ${AMPLORA_TEST_HOME}/data
  ${AMPLORA_TEST_HOME}/cache ${AMPLORA_TEST_HOME}/runtime)
file(CHMOD ${AMPLORA_TEST_HOME}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(WRITE ${AMPLORA_TEST_HOME}/asound.conf "pcm.!default { type null }\n")

# amplora_isolate_test(<name> [VAR=value...])
# The test runs apart from the caller's session: none of the variables above, its own home,
# configuration and runtime directory, no session bus, sounds through ALSA into nothing, one
# language; then the test's own VAR=value settings.
function(amplora_isolate_test name)
  set(changes)
  foreach(variable ${AMPLORA_SESSION_VARIABLES})
    list(APPEND changes "${variable}=unset:")
  endforeach()
  list(APPEND changes
    "HOME=set:${AMPLORA_TEST_HOME}"
    "XDG_CONFIG_HOME=set:${AMPLORA_TEST_HOME}/config"
    "XDG_DATA_HOME=set:${AMPLORA_TEST_HOME}/data"
    "XDG_CACHE_HOME=set:${AMPLORA_TEST_HOME}/cache"
    "XDG_RUNTIME_DIR=set:${AMPLORA_TEST_HOME}/runtime"
    "DBUS_SESSION_BUS_ADDRESS=set:disabled:"
    "CANBERRA_DRIVER=set:alsa"
    "ALSA_CONFIG_PATH=set:${AMPLORA_TEST_HOME}/asound.conf"
    "LANG=set:C.UTF-8")
  foreach(setting ${ARGN})
    string(FIND "${setting}" "=" equals)
    string(SUBSTRING "${setting}" 0 ${equals} variable)
    math(EXPR equals "${equals} + 1")
    string(SUBSTRING "${setting}" ${equals} -1 value)
    list(APPEND changes "${variable}=set:${value}")
  endforeach()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT_MODIFICATION "${changes}")
endfunction()

# amplora_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# One Qt Test program, registered with ctest, run headless on the offscreen platform.
function(amplora_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS "${T_LABELS}")
  amplora_isolate_test(${name} QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=0)
endfunction()
