# Adds hand-written sections (exit status, files, examples) to a man page
# written from --help: before its SEE ALSO, or at its end.
#   cmake -DPAGE=vantorel-calc.1 -DSECTIONS=vantorel-calc.sections.1 -P man_sections.cmake
file(READ "${PAGE}" page)
file(READ "${SECTIONS}" sections)
string(FIND "${page}" ".SH SEE ALSO" at)
if(at EQUAL -1)
  string(APPEND page "${sections}")
else()
  string(SUBSTRING "${page}" 0 ${at} head)
  string(SUBSTRING "${page}" ${at} -1 tail)
  set(page "${head}${sections}${tail}")
endif()
file(WRITE "${PAGE}" "${page}")
