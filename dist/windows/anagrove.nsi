; The Anagrove installer: installs for the current user only, into
; %LOCALAPPDATA%\Programs\Anagrove, without administrator rights, over an older
; version in place. "/S" installs (and the uninstaller uninstalls) silently.
; Uninstalling removes the program and keeps the user's settings.
;
; Built by tools/package-windows, which defines:
;   VERSION  the version, major.minor.patch
;   STAGE    the folder holding the files to install
;   FILES    an include file with the macros InstallFiles and RemoveFiles
;   ICON     the program's .ico
;   OUTFILE  the installer to write

; A 64-bit installer for a 64-bit program: it runs wherever the program does.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PUBLISHER "The Anagrove developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Anagrove"

Name "Anagrove"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Anagrove"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Anagrove ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Anagrove"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Anagrove ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}; MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\anagrove.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Anagrove"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "${FILES}"

; Windows keeps a running program's file from being written, so anagrove.exe
; opens for writing only when no Anagrove runs from this folder. Until then the
; user is asked to close it; a silent run gives up.
!macro DEFINE_WAIT_UNTIL_CLOSED PREFIX
  Function ${PREFIX}WaitUntilClosed
    ${DoWhile} ${FileExists} "$INSTDIR\anagrove.exe"
      ClearErrors
      FileOpen $0 "$INSTDIR\anagrove.exe" a
      ${IfNot} ${Errors}
        FileClose $0
        ${Break}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Anagrove is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
      Abort "Anagrove is running: close it and run this again."
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

Section "Anagrove"
  SetShellVarContext current
  Call WaitUntilClosed

  ; Over an older version: its libraries, plugins and language files go
  ; first, so that none that this version no longer ships is left behind.
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\licenses"
  RMDir /r "$INSTDIR\alphabets"
  RMDir /r "$INSTDIR\languages"

  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Anagrove.lnk" "$INSTDIR\anagrove.exe" "" "$INSTDIR\anagrove.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Anagrove"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\anagrove.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; Only what the installer put there goes; the settings, in %APPDATA%\Anagrove,
; stay for a later install.
Section "Uninstall"
  Call un.WaitUntilClosed
  !insertmacro RemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Anagrove.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
