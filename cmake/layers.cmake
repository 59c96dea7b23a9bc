# The rooms of the house and the rooms each may use: "room:used,used".
# src/CMakeLists.txt links each library from this table, and the layering test
# (tests/layering) holds every #include "room/..." of the tree to it.
set(ZERDO_LAYERS
  "model:"
  "texts:model"
  "generation:model"
  "solving:model"
  "catalogue:model,texts"
  "records:model,texts"
  "view:model,texts,solving"
  "play:model,texts,generation,solving,catalogue,records,view"
  "drawing:model"
  "services:"
  # The service half of the platform, shared by the window and the driver.
  "host:play,services"
  "qt:play,view,services,drawing,host"
  # The browser binding: the controller, drawn through the shared looks, with
  # the program's own random source.
  "web:play,drawing,services"
  "app:qt"
  # Programs and tests beside the game: the controller and the services,
  # never the Qt binding ...
  "tools/driver:play,services,host"
  "fuzz:play,services,host"
  "bench:play,services"
  "tests:play,services,host"
  # ... and the charts drawn from plain figures, tested without a window.
  "tests/drawing:drawing"
  # ... except the tests of the real window, the window benchmarks and
  # their main (the game's widget style), the icon files, drawn at build time by the window's own painter, and the
  # board painted by it for the web tests.
  "tests/qt:qt,services"
  "bench/window_bench.cpp:qt"
  "bench/bench_main.cpp:qt"
  "tools/icon:qt"
  # The board as the window paints it, for the web tests' comparison.
  "tools/cards:qt,services,host")

# Sets out_var to the rooms that room may use directly.
function(zerdo_layer_uses room out_var)
  set(uses "")
  foreach(row IN LISTS ZERDO_LAYERS)
    string(REPLACE ":" ";" parts "${row}")
    list(GET parts 0 name)
    if(name STREQUAL room)
      list(LENGTH parts n)
      if(n GREATER 1)
        list(GET parts 1 used)
        string(REPLACE "," ";" uses "${used}")
      endif()
    endif()
  endforeach()
  set(${out_var} "${uses}" PARENT_SCOPE)
endfunction()
