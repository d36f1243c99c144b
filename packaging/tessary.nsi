; The Tessary installer, built by packaging/make-installer (for scripts/package
; and the installer test):
;   makensis -DVERSION=x.y.z -DSTAGE=folder -DFILELIST=files.nsh -DOUTFILE=setup.exe
; STAGE holds what the portable zip holds (Tessary.exe, tessary-cli.exe,
; Templates, the manual); FILELIST deletes exactly those files again, so
; what a user added (own templates) stays.
;
; Installs for the current user or, with the rights for it, for all users
; (/CurrentUser or /AllUsers on the command line; /S for a silent install,
; /D=FOLDER for the folder).

Unicode true
!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE | FILELIST
  !error "STAGE and FILELIST must be defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "Tessary-${VERSION}-setup.exe"
!endif

!define PRODUCT "Tessary 2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessary2"
!define PROGID "Quorix.Tessary.2"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
BrandingText "Tessary ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Tessary 2"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tessary.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Quorix"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Quorix"

; The install mode picks a default folder; a folder given with /D wins.
Function .onInit
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function un.onInit
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $0
FunctionEnd

!macro WriteAssociation EXT KIND DESCRIPTION ICON
  WriteRegStr SHCTX "Software\Classes\${PROGID}.${KIND}" "" "${DESCRIPTION}"
  WriteRegStr SHCTX "Software\Classes\${PROGID}.${KIND}\shell\open\command" "" '"$INSTDIR\Tessary.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\${PROGID}.${KIND}\DefaultIcon" "" "$INSTDIR\Tessary.exe,${ICON}"
  WriteRegStr SHCTX "Software\Classes\${EXT}" "" "${PROGID}.${KIND}"
!macroend

; Removes an association only where it is ours; the program itself writes the
; same keys at every start, per user, so both places are cleaned.
!macro RemoveAssociation ROOT EXT KIND
  ReadRegStr $1 ${ROOT} "Software\Classes\${EXT}" ""
  ${If} $1 == "${PROGID}.${KIND}"
    DeleteRegKey ${ROOT} "Software\Classes\${EXT}"
  ${EndIf}
  DeleteRegKey ${ROOT} "Software\Classes\${PROGID}.${KIND}"
!macroend

Section "Tessary" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Tessary.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Manual.lnk" "$INSTDIR\Tessary 2 Manual.pdf"

  !insertmacro WriteAssociation ".tsmb" "tsmb" "Quorix Tessary Document" 7
  !insertmacro WriteAssociation ".tsmn" "tsmn" "Quorix Tessary Document" 7
  !insertmacro WriteAssociation ".qxtf" "qxtf" "Quorix Tessary Template" 8

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quorix"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tessary.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !include "${FILELIST}"
  Delete "$INSTDIR\Uninstall.exe"
  ; Folders go only when nothing of the user's is left in them.
  RMDir "$INSTDIR\Templates\FileMaker Menus"
  RMDir "$INSTDIR\Templates"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Manual.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  !insertmacro RemoveAssociation HKLM ".tsmb" "tsmb"
  !insertmacro RemoveAssociation HKLM ".tsmn" "tsmn"
  !insertmacro RemoveAssociation HKLM ".qxtf" "qxtf"
  !insertmacro RemoveAssociation HKCU ".tsmb" "tsmb"
  !insertmacro RemoveAssociation HKCU ".tsmn" "tsmn"
  !insertmacro RemoveAssociation HKCU ".qxtf" "qxtf"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
