cmake_minimum_required(VERSION 3.25)
# Writes the two desktop entries with their launchers' absolute directory: run at install time,
# when the final prefix is known, and at configure time for validation.
foreach(name bandwise bandwise-settings)
  file(READ "${SOURCE}/${name}.desktop.in" entry)
  string(REPLACE "@BINDIR@" "${BINDIR}" entry "${entry}")
  file(WRITE "${DESTINATION}/${name}.desktop" "${entry}")
endforeach()
