; The Marvix installer: for the current user alone, with no elevation, into the user's own
; programs folder. The build runs makensis with
;   VERSION        the project's version ("2.0"); VERSION_QUAD the same in four parts
;   FILES          the folder make_package.py wrote: files/, installed-files.nsh and
;                  licence-page.txt
;   ICON           the program's icon; the side picture of the first and last pages is
;                  package/installer.bmp (drawn by tools/art/make_art.py)
;   OUTFILE        the setup program to write
;
; Installs: both programs, the gallery, README.txt (the text for Windows users), LICENSE.txt, a
; Start-menu shortcut and the uninstall entry; on request the user's Run value ("Start Marvix
; with Windows", the same value the face window's "Start with Windows" writes), offered but not
; ticked in advance.
;
; Silent (/S): installs as the pages' defaults would. Over an earlier install, "Start Marvix with
; Windows" stays as the user left it, and a clock that was running is started again.
; The uninstaller, silent, keeps the settings unless given /REMOVESETTINGS. It keeps a gallery
; face that a configuration the user saved into the gallery shows, and leaves nothing behind in
; the temporary folder.

Unicode true
; The 64-bit build (made only where 32-bit code cannot run, for its tests) gets a 64-bit setup.
!ifdef AMD64
Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include StrFunc.nsh
!include TextFunc.nsh
!include "${FILES}/installed-files.nsh"

!define PRODUCT "Marvix"
!define PUBLISHER "The Marvix developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marvix"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Marvix"
!define SETTINGS_KEY "Software\Tolvane\Marvo"
; How the running clock is found and asked to stop: its owner window, and the message that ends
; it as "STOP" does, saving its settings first.
!define CLOCK_OWNER_CLASS "TApplication"
!define CLOCK_OWNER_TITLE "Marvo"
!define STOP_MESSAGE "Marvix.StopClock"
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Marvix"
; Installing again goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/installer.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/installer.bmp"
; Scaled to the page's height, never stretched to its shape: at 144 pixels per inch the picture's
; place is not 164 x 314 scaled alike in both directions, and the round clock became an ellipse.
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH AspectFitHeight
!define MUI_UNWELCOMEFINISHPAGE_BITMAP_STRETCH AspectFitHeight
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\marvix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Marvix now"

!define MUI_WELCOMEPAGE_TEXT "Setup will install Marvix ${VERSION}, a desktop clock, for you alone: it \
  needs no administrator.$\r$\n$\r$\nA Marvix clock that is running now is stopped first and \
  keeps its settings, its look and its alarms.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
; A paragraph to a line: the page wraps it to its own width at every resolution.
!insertmacro MUI_PAGE_LICENSE "${FILES}/licence-page.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var ClockWasRunning
Var KeptFiles  ; "|path|path|": installed faces that a configuration of the user's shows

${UnStrStr}

; The line of a configuration file that names its face.
!define FACE_LINE 45

; Asks every running clock to stop and waits for its program to end, so that it has saved its
; settings and its files can be replaced or removed. A clock that will not end leaves the user
; the choice to stop it by hand or to cancel.
!macro DefineStopRunningClock un
Function ${un}StopRunningClock
  StrCpy $ClockWasRunning 0
  System::Call 'user32::RegisterWindowMessageW(w "${STOP_MESSAGE}") i .r1'
  ${Do}
    FindWindow $0 "${CLOCK_OWNER_CLASS}" "${CLOCK_OWNER_TITLE}"
    ${If} $0 = 0
      Return
    ${EndIf}
    StrCpy $ClockWasRunning 1
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r2)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
    System::Call 'user32::PostMessageW(p r0, i r1, p 0, p 0)'
    StrCpy $4 -1
    ${If} $3 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r3, i 10000) i .r4'
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    ${If} $4 <> ${WAIT_OBJECT_0}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Marvix is still running. Stop it (control menu, STOP), then click Retry." \
        /SD IDCANCEL IDRETRY +2
      Abort
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DefineStopRunningClock ""
!insertmacro DefineStopRunningClock "un."

; Whether the user's Run value starts the marvix.exe in $INSTDIR, quoted or not (Windows compares
; paths without regard to case, and so does StrCmp).
!macro DefineRunValueStartsThisCopy un
Function ${un}RunValueStartsThisCopy
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == '"$INSTDIR\marvix.exe"'
  ${OrIf} $0 == "$INSTDIR\marvix.exe"
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineRunValueStartsThisCopy ""
!insertmacro DefineRunValueStartsThisCopy "un."

Section "Marvix" SectionProgram
  SectionIn RO
  Call StopRunningClock
  !insertmacro InstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Marvix.lnk" "$INSTDIR\marvix.exe" "" "$INSTDIR\marvix.exe" 0 \
    SW_SHOWNORMAL "" "Marvix desktop clock"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\marvix.exe",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start Marvix with Windows" SectionLoginStart
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\marvix.exe"'
SectionEnd

; Left unticked over an install that started with Windows: the user has turned it off.
Section "-Login start turned off"
  ${IfNot} ${SectionIsSelected} ${SectionLoginStart}
    Call RunValueStartsThisCopy
    ${If} $0 = 1
      DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
  ${EndIf}
SectionEnd

Function .onInit
  ; A fresh install offers to start with Windows, unticked; over an earlier one, the choice stays
  ; the user's (the face window may have changed it since).
  Call RunValueStartsThisCopy
  ${If} $0 = 1
    !insertmacro SelectSection ${SectionLoginStart}
  ${EndIf}
FunctionEnd

; The finish page offers "Start Marvix now"; a silent install over a running clock starts it
; again, since it stopped that clock.
Function .onInstSuccess
  ${If} ${Silent}
  ${AndIf} $ClockWasRunning = 1
    Exec '"$INSTDIR\marvix.exe"'
  ${EndIf}
FunctionEnd

;   KeptFiles: each installed face that a configuration in the gallery folder, other than the
; gallery's own, names on its face line (whole, or relative to the gallery).
Function un.FindKeptFaces
  StrCpy $KeptFiles "|"
  FindFirst $0 $1 "$INSTDIR\gallery\*.ccf"
  ${DoWhile} $1 != ""
    ${UnStrStr} $2 "${GALLERY_CONFIGURATIONS}" "|$1|"
    ClearErrors
    ${If} $2 == ""
      FileOpen $3 "$INSTDIR\gallery\$1" r
    ${EndIf}
    ${If} $2 == ""
    ${AndIfNot} ${Errors}
      ${For} $4 1 ${FACE_LINE}
        StrCpy $5 ""
        FileRead $3 $5
      ${Next}
      FileClose $3
      ${TrimNewLines} $5 $5
      StrCpy $6 $5 1 1
      StrCpy $7 $5 1
      ${If} $5 != ""
        ${If} $6 != ":"
        ${AndIf} $7 != "\"
          StrCpy $5 "$INSTDIR\gallery\$5"
        ${EndIf}
        StrCpy $KeptFiles "$KeptFiles$5|"
      ${EndIf}
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
FunctionEnd

!macro RemoveUnlessKept path
  ${UnStrStr} $R0 $KeptFiles "|${path}|"
  ${If} $R0 == ""
    Delete "${path}"
  ${Else}
    DetailPrint "Kept ${path}: a configuration of yours in the gallery shows it."
  ${EndIf}
!macroend

; The uninstaller runs from a copy of itself in the temporary folder, so that it can remove its
; own file; that copy's folder cannot go while it runs. A hidden command removes it once the
; uninstaller has ended (it tries for a minute or so).
Function un.RemoveOwnCopyLater
  StrLen $0 $TEMP
  StrCpy $1 $EXEDIR $0
  ${If} $1 != $TEMP
    Return
  ${EndIf}
  SetOutPath $TEMP
  ExecShell "" "$SYSDIR\cmd.exe" '/c for /l %i in (1,1,60) do (ping -n 2 127.0.0.1 >nul & \
    rd /s /q "$EXEDIR" 2>nul & if not exist "$EXEDIR\" exit)' SW_HIDE
FunctionEnd

Section "Uninstall"
  Call un.StopRunningClock
  Call un.FindKeptFaces
  !insertmacro RemoveInstalledFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Marvix.lnk"
  ; A Run value of another copy of Marvix still starts that copy: it stays.
  Call un.RunValueStartsThisCopy
  ${If} $0 = 1
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}

  ; Only now, with the clock stopped: it saves its settings as it ends.
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/REMOVESETTINGS" $2
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove your Marvix settings too?$\n$\nThe clock's look, alarms and sounds are kept for \
      the next time you install Marvix unless you remove them." /SD IDNO IDNO settings_kept
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Tolvane"
  settings_kept:

  Call un.RemoveOwnCopyLater
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
