; The installer of Tavrin: A Morvest Daybook. Built by the project's build with makensis:
;   makensis -DVERSION=2.0d -DVERSION_MAJOR=2 -DVERSION_MINOR=0 -DVERSION_LETTER=4
;            -DSOURCE=<build dir> -DDOCUMENTS=<html dir> -DARCH=x86|amd64 -DOUTFILE=<installer>
;            tavrin.nsi
; VERSION_LETTER is the place in the alphabet of the version's letter (d is 4).
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
!include "Sections.nsh"

!define PRODUCT "Tavrin: A Morvest Daybook"
!define SHORT_NAME "Tavrin Daybook"
!define PUBLISHER "The Tavrin project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TavrinDaybook"
!define SETTINGS_SECTION "TavrinAMorvestDaybook"
; Exit code when a newer version is installed and this older one leaves it alone.
!define EXIT_NEWER_INSTALLED 3

; One number that orders versions: the major, the minor and the letter's place, as
; Windows' Version value of an uninstall entry holds them (major.minor.build).
!define VERSION_QUAD "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_LETTER}.0"
!define /math VERSION_MAJOR_PART ${VERSION_MAJOR} << 24
!define /math VERSION_MINOR_PART ${VERSION_MINOR} << 16
!define /math VERSION_HIGH ${VERSION_MAJOR_PART} | ${VERSION_MINOR_PART}
!define /math VERSION_NUMBER ${VERSION_HIGH} | ${VERSION_LETTER}

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
; The small description below the list leaves the list room for the components' names.
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed.$\r$\n$\r$\nFor a brief greeting, set a \
  Delay time and tick Once per day in the daybook's Setup: it then closes itself and appears \
  once a day."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start the daybook"
!define MUI_FINISHPAGE_RUN_FUNCTION StartDaybookAsTheUser
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

; A standard user's daybook cannot write into the Windows folder, so Windows keeps that user's
; settings file in their VirtualStore, where it wins over the real one: the current user's
; copy, by the Windows folder's path without its drive.
!macro FindVirtualStoreSettings result
  SetShellVarContext current
  StrCpy ${result} $WINDIR "" 2
  StrCpy ${result} "$LOCALAPPDATA\VirtualStore${result}\MORVEST.INI"
  SetShellVarContext all
!macroend

; The installer runs with administrator rights; the daybook should not. The desktop's shell
; starts it as the signed-in user, unelevated, so that it reads and writes that user's
; settings as it will at every later start.
Function StartDaybookAsTheUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\morvest.exe"'
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
  ; The installing user's VirtualStore copy, if any, would otherwise name the old folder.
  WriteINIStr "$WINDIR\MORVEST.INI" "${SETTINGS_SECTION}" "ApplicationPath" "$INSTDIR\"
  !insertmacro FindVirtualStoreSettings $0
  ${If} ${FileExists} $0
    WriteINIStr $0 "${SETTINGS_SECTION}" "ApplicationPath" "$INSTDIR\"
  ${EndIf}

  CreateDirectory "$SMPROGRAMS\${SHORT_NAME}"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\${SHORT_NAME}.lnk" "$INSTDIR\morvest.exe"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\Manual.lnk" "$INSTDIR\html\manual.htm"
  CreateShortcut "$SMPROGRAMS\${SHORT_NAME}\Uninstall ${SHORT_NAME}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "Version" ${VERSION_NUMBER}
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

; The daybook is made to greet its user each morning; with Once per day and a Delay time set in
; its Setup, it shows itself at the first sign-in of the day only, and briefly.
Section "Show the daybook when I sign in" SecStartup
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMSTARTUP\${SHORT_NAME}.lnk" "$INSTDIR\morvest.exe"
SectionEnd

; Cleared on the components page, the shortcut of an earlier installation goes too; a silent
; install without /STARTUP leaves the earlier choice as it was.
Section "-Sign-in shortcut cleared"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
  ${AndIfNot} ${Silent}
    SetShellVarContext all
    Delete "$SMSTARTUP\${SHORT_NAME}.lnk"
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "The daybook, its texts, its manual and its screen saver."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSaver} "Windows shows the daybook's screen saver from now on."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "Everyone who signs in to this computer is greeted by the day's page."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Functions after the sections whose choices they set.
Function .onInit
  !if ${ARCH} == amd64
    SetRegView 64
  !endif
  ; Installing again over an earlier version goes to the same place. An older version over a
  ; newer one asks first; silently, it changes nothing and says so by its exit code.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "Version"
    ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $1 U> ${VERSION_NUMBER}
      MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
        "${PRODUCT} $2 is installed, a newer version than this one (${VERSION}).$\r$\n$\r$\n\
        Replace it with version ${VERSION}?" /SD IDNO IDYES downgrade
      SetErrorLevel ${EXIT_NEWER_INSTALLED}
      Quit
      downgrade:
    ${EndIf}
  ${EndIf}

  ; Switches for silent installs: /STARTUP adds the sign-in shortcut, which only the
  ; interactive installer offers unasked; /NOSAVER leaves the current screen saver alone.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/STARTUP" $1
  ${If} ${Errors}
  ${AndIf} ${Silent}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/NOSAVER" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecSaver}
  ${EndIf}
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
  ; The documents by the patterns the installer copied them with; anything else of the
  ; user's stays, and so does the folder that holds it.
  Delete "$INSTDIR\html\*.htm"
  Delete "$INSTDIR\html\*.css"
  RMDir "$INSTDIR\html"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${SHORT_NAME}\${SHORT_NAME}.lnk"
  Delete "$SMPROGRAMS\${SHORT_NAME}\Manual.lnk"
  Delete "$SMPROGRAMS\${SHORT_NAME}\Uninstall ${SHORT_NAME}.lnk"
  RMDir "$SMPROGRAMS\${SHORT_NAME}"
  Delete "$SMSTARTUP\${SHORT_NAME}.lnk"
SectionEnd

; Off unless chosen: the settings are the user's, and a new installation would use them again.
; Both the real file and the current user's VirtualStore copy go, or the copy would come back
; as the settings of the next installation.
Section /o "un.My settings file (MORVEST.INI)" UnSecSettings
  Delete "$WINDIR\MORVEST.INI"
  !insertmacro FindVirtualStoreSettings $0
  Delete $0
SectionEnd

; Last: the uninstall entry stays listed until everything chosen has gone.
Section "-un.Uninstall entry"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecMain} "The daybook, its texts, its manual, its screen saver and its shortcuts."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "MORVEST.INI in the Windows folder and your own copy of it. Kept, it serves a new installation."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
  !if ${ARCH} == amd64
    SetRegView 64
  !endif
  ; /REMOVESETTINGS: the silent way to tick "My settings file".
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
