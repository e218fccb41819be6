; Pavane's setup program and uninstaller. The build's dist target compiles it
; (installer/CMakeLists.txt) with VERSION, the two programs (PAVANE, PAVANECTL),
; the program's ICON and the OUTFILE defined.
;
; An administrator installs for all users into Program Files (a 32-bit program
; goes to Program Files (x86) on 64-bit Windows); anyone else, or /CurrentUser,
; installs for one user into that user's own programs folder, without
; administrator rights. Running it again over an install upgrades it in place,
; in its folder and for its users. The user's settings under HKCU\Software\Pavane
; are never written here, so an upgrade keeps them, and an uninstall keeps
; them unless the user asks otherwise.

Unicode true
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pavane"
!define OPEN_WITH_KEY "Software\Classes\Applications\Pavane.exe"
!define SETTINGS_KEY "Software\Pavane"
!define PUBLISHER "the Pavane project"
; Beside NSIS's own exit codes (1 cancelled, 2 aborted), the Windows error
; numbers, which `net helpmsg` explains: a file in use (Pavane is running),
; and administrator rights needed.
!define EXIT_RUNNING 32
!define EXIT_NEEDS_ADMIN 740

Name "Pavane ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

; MultiUser picks the mode (all users for administrators, else the current
; user), the matching default folder, and the folder and mode of an earlier
; install; the uninstaller finds its mode itself (un.onInit).
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_NOUNINSTALL
!define MULTIUSER_INSTALLMODE_INSTDIR Pavane
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_FUNCTION KeepGivenFolder
!include MultiUser.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey ProductName "Pavane"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Pavane setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright ${U+00A9} ${PUBLISHER}"
VIAddVersionKey OriginalFilename "Pavane-${VERSION}-setup.exe"

Var GivenFolder

Function .onInit
  ; There is no InstallDir, so a folder here came with /D=.
  StrCpy $GivenFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 /CurrentUser $1
  ${IfNot} ${Errors}
    Call MultiUser.InstallMode.CurrentUser
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 /AllUsers $1
  ${IfNot} ${Errors}
    ${If} $MultiUser.Privileges != Admin
      MessageBox MB_OK|MB_ICONSTOP "Installing Pavane for all users of this computer needs administrator rights." /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
    Call MultiUser.InstallMode.AllUsers
  ${EndIf}
FunctionEnd

; MultiUser calls this after each choice of mode, which also chooses a folder:
; one given with /D= wins.
Function KeepGivenFolder
  ${If} $GivenFolder != ""
    StrCpy $INSTDIR $GivenFolder
  ${EndIf}
FunctionEnd

; A program that runs cannot be replaced or removed: its file cannot be opened
; for writing. The user closes it and retries; a silent run stops at once,
; before anything is changed.
!macro FindInUse FILE
  ${If} $1 == ""
  ${AndIf} ${FileExists} "${FILE}"
    ClearErrors
    FileOpen $2 "${FILE}" a
    ${If} ${Errors}
      StrCpy $1 "${FILE}"
    ${Else}
      FileClose $2
    ${EndIf}
  ${EndIf}
!macroend
!macro StopWhileRunning UN
  Function ${UN}StopWhileRunning
    ${Do}
      StrCpy $1 ""
      !insertmacro FindInUse "$INSTDIR\Pavane.exe"
      !insertmacro FindInUse "$INSTDIR\pavanectl.exe"
      ${If} $1 == ""
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Pavane is running ($1).$\r$\n$\r$\nClose it, then choose Retry." \
        /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${EXIT_RUNNING}
      Quit
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro StopWhileRunning ""
!insertmacro StopWhileRunning un.

; The new files are written beside the old ones and take their places only
; once all three are whole, so a setup that fails (a full disk, a folder it
; cannot write) leaves an earlier install as it was. A file that cannot be
; written stops the setup instead of being skipped.
AllowSkipFiles off
!macro PutInPlace NAME
  System::Call 'kernel32::MoveFileExW(w "$INSTDIR\${NAME}.new", w "$INSTDIR\${NAME}", i 1) i .r0'
  ${If} $0 = 0
    DetailPrint "$INSTDIR\${NAME} could not be replaced."
    Abort
  ${EndIf}
!macroend

Function .onInstFailed
  Delete "$INSTDIR\Pavane.exe.new"
  Delete "$INSTDIR\pavanectl.exe.new"
  Delete "$INSTDIR\uninstall.exe.new"
  RMDir $INSTDIR
FunctionEnd

Section
  Call StopWhileRunning
  SetOutPath $INSTDIR
  File /oname=Pavane.exe.new "${PAVANE}"
  File /oname=pavanectl.exe.new "${PAVANECTL}"
  ClearErrors
  WriteUninstaller "$INSTDIR\uninstall.exe.new"
  ${If} ${Errors}
    Abort
  ${EndIf}
  !insertmacro PutInPlace Pavane.exe
  !insertmacro PutInPlace pavanectl.exe
  !insertmacro PutInPlace uninstall.exe
  CreateShortcut "$SMPROGRAMS\Pavane.lnk" "$INSTDIR\Pavane.exe"

  ; "Open with" offers Pavane for ROM images; no file type is made to open with it.
  WriteRegStr SHCTX "${OPEN_WITH_KEY}" FriendlyAppName "Pavane"
  WriteRegStr SHCTX "${OPEN_WITH_KEY}\shell\open\command" "" '"$INSTDIR\Pavane.exe" "%1"'
  WriteRegStr SHCTX "${OPEN_WITH_KEY}\SupportedTypes" .smc ""
  WriteRegStr SHCTX "${OPEN_WITH_KEY}\SupportedTypes" .sfc ""
  WriteRegStr SHCTX "${OPEN_WITH_KEY}\SupportedTypes" .swc ""
  WriteRegStr SHCTX "${OPEN_WITH_KEY}\SupportedTypes" .fig ""

  ; Written last: an entry in "Apps" means a whole install.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "Pavane"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Pavane.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

; The uninstaller runs from a copy in the temporary folder; $INSTDIR is the
; folder it was in. It serves the install whose entry names that folder: the
; machine's, which needs administrator rights, or else the user's.
Function un.onInit
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" InstallLocation
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != Admin
      MessageBox MB_OK|MB_ICONSTOP "Pavane was installed for all users of this computer; removing it needs administrator rights." /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

; Removes what the setup wrote and nothing else: files the user put in the
; folder keep it, and an "Open with" entry or an uninstall entry that names
; another folder stays.
Section Uninstall
  Call un.StopWhileRunning
  Delete "$INSTDIR\Pavane.exe"
  Delete "$INSTDIR\pavanectl.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Pavane.lnk"
  ReadRegStr $0 SHCTX "${OPEN_WITH_KEY}\shell\open\command" ""
  ${If} $0 == '"$INSTDIR\Pavane.exe" "%1"'
    DeleteRegKey SHCTX "${OPEN_WITH_KEY}"
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your Pavane settings too (the ZSNES directory, the favorites and the preferences)?$\r$\n$\r$\nChoose No to keep them for a later install." \
    /SD IDNO IDNO +2
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" InstallLocation
  ${If} $0 == $INSTDIR
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
