# Installs the desktop entry with the installed program's full path in Exec
# and TryExec. A bare "vornic" is looked up in the PATH of the desktop
# session, which lacks a prefix such as ~/.local/bin until the next login
# (or for good, for a prefix such as /opt/pellam-vornic): the menu then hid
# the entry and "Open with" could not start the program.
# Run by `cmake --install` with VORNIC_DESKTOP_ENTRY (the entry in the
# source tree), VORNIC_BINDIR, VORNIC_DATADIR and VORNIC_STAGE_DIR set;
# CMAKE_INSTALL_PREFIX is the prefix of this install, --prefix included.

if(IS_ABSOLUTE "${VORNIC_BINDIR}")
  set(executable "${VORNIC_BINDIR}/vornic")
else()
  set(executable "${CMAKE_INSTALL_PREFIX}/${VORNIC_BINDIR}/vornic")
endif()
if(IS_ABSOLUTE "${VORNIC_DATADIR}")
  set(applications "${VORNIC_DATADIR}/applications")
else()
  set(applications "${CMAKE_INSTALL_PREFIX}/${VORNIC_DATADIR}/applications")
endif()

# A string value: a backslash is written doubled.
string(REPLACE "\\" "\\\\" try_exec "${executable}")
# The program in Exec: a path with characters the command line reserves is
# quoted, with ", `, $ and \ escaped inside the quotes; then the string
# value's own escape doubles every backslash, and % is written %%.
set(program "${executable}")
if(NOT program MATCHES "^[A-Za-z0-9/._+,:@=-]+$")
  string(REPLACE "\\" "\\\\" program "${program}")
  string(REPLACE "\"" "\\\"" program "${program}")
  string(REPLACE "`" "\\`" program "${program}")
  string(REPLACE "$" "\\$" program "${program}")
  set(program "\"${program}\"")
endif()
string(REPLACE "\\" "\\\\" program "${program}")
string(REPLACE "%" "%%" program "${program}")

file(READ "${VORNIC_DESKTOP_ENTRY}" entry)
string(REGEX REPLACE "\nExec=vornic " "\nExec=${program} " entry "${entry}")
string(REGEX REPLACE "\nTryExec=vornic\n" "\nTryExec=${try_exec}\n" entry "${entry}")
get_filename_component(name "${VORNIC_DESKTOP_ENTRY}" NAME)
set(staged "${VORNIC_STAGE_DIR}/${name}")
file(WRITE "${staged}" "${entry}")
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${staged}")
