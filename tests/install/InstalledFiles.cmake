# The files an installation holds, relative to its prefix: the program, one translation per
# language, the desktop entry and the icon (LANGUAGES is a list of translation codes).
function(lumivex_installed_files out)
  set(files
    bin/lumivexpro
    share/applications/lumivexpro.desktop
    share/icons/hicolor/256x256/apps/lumivexpro.png
    share/icons/hicolor/scalable/apps/lumivexpro.svg)
  foreach(code IN LISTS LANGUAGES)
    list(APPEND files share/lumivexpro/lang/specula_${code}.qm)
  endforeach()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
