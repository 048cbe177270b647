# A module's folder registers its libraries here; the command line and the emulator
# (modules/) link every registered codec, the main window (app/) every registered
# window, so that a new module touches neither list. Module folders are added before
# modules/ and app/.
function(pemrix_register_module)
  cmake_parse_arguments(ARG "" "CODEC;WINDOW" "" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY PEMRIX_MODULE_CODECS ${ARG_CODEC})
  if(ARG_WINDOW)
    set_property(GLOBAL APPEND PROPERTY PEMRIX_MODULE_WINDOWS ${ARG_WINDOW})
  endif()
endfunction()
