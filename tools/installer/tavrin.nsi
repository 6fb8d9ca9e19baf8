; The installer of Tavrin: A Morvest Daybook. Built by the project's build with makensis:
;   makensis -DVERSION=2.0d -DVERSION_QUAD=2.0.0.0 -DSOURCE=<build dir> -DDOCUMENTS=<html dir>
;            -DARCH=x86|amd64 -DOUTFILE=<installer> tavrin.nsi
; The delivered installer is the 32-bit one (x86) with the 32-bit programs; an amd64 build of the
; same script installs the 64-bit build for the tests on machines whose Wine runs only 64-bit
; programs.
Unicode true
!if ${ARCH} == amd64
  Target amd64-unicode
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tavrin: A Morvest Daybook"
!define SHORT_NAME "Tavrin Daybook"
!define PUBLISHER "The Tavrin project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TavrinDaybook"
!define SETTINGS_SECTION "TavrinAMorvestDaybook"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!if ${ARCH} == amd64
  InstallDir "$PROGRAMFILES64\Tavrin"
!else
  InstallDir "$PROGRAMFILES\Tavrin"
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "© 2026 the Tavrin project"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\morvest.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the daybook"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var SaverPath

; Where Windows lists screen savers. A 32-bit installer's writes to System32 land in SysWOW64 on
; 64-bit Windows, and the screen-saver setting must name the file where it really is.
!macro FindSaverPath
  !if ${ARCH} == amd64
    StrCpy $SaverPath "$SYSDIR\morvsave.scr"
  !else
    ${If} ${RunningX64}
      StrCpy $SaverPath "$WINDIR\SysWOW64\morvsave.scr"
    ${Else}
      StrCpy $SaverPath "$SYSDIR\morvsave.scr"
    ${EndIf}
  !endif
!macroend

; Files of a running daybook or saver cannot be replaced or removed: ask the user to close them
; first, so that nothing is left half installed or half removed.
!macro WaitForClosedPrograms un
  Function ${un}WaitForClosedPrograms
    check:
      FindWindow $0 "TavrinApplication"
      FindWindow $1 "WindowsScreenSaverClass" "Screen Saver.TavrinMorvest"
      ${If} $0 <> 0
      ${OrIf} $1 <> 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
          "Please close ${PRODUCT} and its screen saver, then choose Retry." \
          /SD IDCANCEL IDRETRY check
        Abort
      ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitForClosedPrograms ""
!insertmacro WaitForClosedPrograms "un."

Function .onInit
  !if ${ARCH} == amd64
    SetRegView 64
  !endif
  ; Installing again over an earlier version goes to the same place.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "The daybook and its screen saver" SecMain
  SectionIn RO
  Call WaitForClosedPrograms
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${SOURCE}/morvest.exe"
  File "${SOURCE}/MORVEST.DAT"
  SetOutPath "$INSTDIR\html"
  File "${DOCUMENTS}/*.htm"
  File "${DOCUMENTS}/*.css"
  !insertmacro FindSaverPath
  ${GetParent} $SaverPath $0
  SetOutPath $0
  File "${SOURCE}/morvsave.scr"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The saver finds the daybook through the settings file; the daybook's other settings stay.
  WriteINIStr "$WINDIR\MORVEST.INI" "${SETTINGS_SECTION}" "ApplicationPath" "$INSTDIR\"

  CreateDirectory "$SMPROGRAMS\${SHORT_NAME}"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\${SHORT_NAME}.lnk" "$INSTDIR\morvest.exe"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\Manual.lnk" "$INSTDIR\html\manual.htm"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\Uninstall ${SHORT_NAME}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvest.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "SaverPath" "$SaverPath"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Make it the current screen saver" SecSaver
  ; As the Screen Saver Settings would: the user's desktop settings name the file, and the
  ; system is told that a screen saver is on.
  !insertmacro FindSaverPath
  WriteRegStr HKCU "Control Panel\Desktop" "SCRNSAVE.EXE" "$SaverPath"
  WriteRegStr HKCU "Control Panel\Desktop" "ScreenSaveActive" "1"
  System::Call "user32::SystemParametersInfo(i 17, i 1, i 0, i 3)"
SectionEnd

Function un.onInit
  !if ${ARCH} == amd64
    SetRegView 64
  !endif
FunctionEnd

Section "un.The daybook and its screen saver" UnSecMain
  SectionIn RO
  Call un.WaitForClosedPrograms
  SetShellVarContext all
  ReadRegStr $SaverPath HKLM "${UNINSTALL_KEY}" "SaverPath"
  ${If} $SaverPath != ""
    ReadRegStr $0 HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
    ${If} $0 == $SaverPath
      DeleteRegValue HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
      WriteRegStr HKCU "Control Panel\Desktop" "ScreenSaveActive" "0"
      System::Call "user32::SystemParametersInfo(i 17, i 0, i 0, i 3)"
    ${EndIf}
    Delete $SaverPath
  ${EndIf}
  Delete "$INSTDIR\morvest.exe"
  Delete "$INSTDIR\MORVEST.DAT"
  Delete "$INSTDIR\html\manual.htm"
  Delete "$INSTDIR\html\referenc.htm"
  Delete "$INSTDIR\html\drivers.htm"
  Delete "$INSTDIR\html\daybook.css"
  RMDir "$INSTDIR\html"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${SHORT_NAME}\${SHORT_NAME}.lnk"
  Delete "$SMPROGRAMS\${SHORT_NAME}\Manual.lnk"
  Delete "$SMPROGRAMS\${SHORT_NAME}\Uninstall ${SHORT_NAME}.lnk"
  RMDir "$SMPROGRAMS\${SHORT_NAME}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Off unless chosen: the settings are the user's, and a new installation would use them again.
Section /o "un.My settings file (MORVEST.INI)" UnSecSettings
  Delete "$WINDIR\MORVEST.INI"
SectionEnd
