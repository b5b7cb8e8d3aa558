; The Windows installer: both programs, the manual and the card fonts in the layout the programs
; look for (bin\ beside share\mirelon\), a Start-menu entry, and an uninstaller that takes all of it
; away again. scripts/build-windows passes VERSION, BIN, MANUAL, FONTS, ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirelon"
!define MENU_ENTRY "$SMPROGRAMS\Mirelon 年賀状住所録.lnk"

Name "Mirelon ${VERSION}"
Icon "${ICON}"
UninstallIcon "${ICON}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Mirelon"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR\bin"
  File "${BIN}\mirelon.exe"
  File "${BIN}\mirelon-tool.exe"
  SetOutPath "$INSTDIR\share\mirelon\manual"
  File /r "${MANUAL}\*"
  SetOutPath "$INSTDIR\share\mirelon\fonts"
  File "${FONTS}\ipam.ttf"
  File "${FONTS}\ipag.ttf"
  File "${FONTS}\IPA_Font_License.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${MENU_ENTRY}" "$INSTDIR\bin\mirelon.exe"
  WriteRegStr HKLM "${KEY}" "DisplayName" "Mirelon 年賀状住所録"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" '"$INSTDIR\bin\mirelon.exe",0'
  WriteRegStr HKLM "${KEY}" "Publisher" "Ovrin Applications"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
SectionEnd

Section Uninstall
  SetShellVarContext all
  Delete "${MENU_ENTRY}"
  Delete "$INSTDIR\bin\mirelon.exe"
  Delete "$INSTDIR\bin\mirelon-tool.exe"
  RMDir "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\mirelon"
  RMDir "$INSTDIR\share"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
