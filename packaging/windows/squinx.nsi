; The Windows installer: Squinx.exe and its shipped data under Program Files,
; a Start-menu entry, Squinx as the program that opens cases (.sd),
; recordings (.stx) and question files (.sqs), and an uninstaller. The
; user's own working folder (%APPDATA%\Squinx) is theirs: the uninstaller
; leaves it.
;
; makensis -DVERSION=1.1 -DSTAGE=<folder with Squinx.exe and data> -DICON=<squinx.ico> -DOUTFILE=<setup.exe> squinx.nsi

; A 64-bit installer for a 64-bit program: it starts only where Squinx runs.
Target amd64-unicode
!include "MUI2.nsh"

!macro Required NAME
  !ifndef ${NAME}
    !error "${NAME} must be defined on makensis's command line"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required STAGE
!insertmacro Required ICON
!insertmacro Required OUTFILE

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Squinx"

Name "Squinx ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Squinx"
InstallDirRegKey HKLM "Software\Squinx" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Squinx ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Squinx.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString CaseType ${LANG_ENGLISH} "Squinx patient case"
LangString CaseType ${LANG_GERMAN} "Squinx-Patientenfall"
LangString RecordingType ${LANG_ENGLISH} "Squinx eye-movement recording"
LangString RecordingType ${LANG_GERMAN} "Squinx-Augenbewegungsaufzeichnung"
LangString QuizType ${LANG_ENGLISH} "Squinx question file"
LangString QuizType ${LANG_GERMAN} "Squinx-Fragendatei"

; A file type: its extension names the type, the type opens in Squinx.
!macro FileType EXT PROGID DESCRIPTION
  WriteRegStr HKLM "Software\Classes\${EXT}" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\${EXT}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "${DESCRIPTION}"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\Squinx.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\Squinx.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\Applications\Squinx.exe\SupportedTypes" "${EXT}" ""
!macroend

; Takes a file type back, leaving an extension another program has claimed since.
!macro RemoveFileType EXT PROGID
  ReadRegStr $0 HKLM "Software\Classes\${EXT}" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegValue HKLM "Software\Classes\${EXT}" ""
  DeleteRegValue HKLM "Software\Classes\${EXT}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKLM "Software\Classes\${EXT}\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\${EXT}"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
!macroend

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Squinx"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; The shipped data of an earlier version goes, so no removed file lingers.
  RMDir /r "$INSTDIR\data"
  File "${STAGE}/Squinx.exe"
  File /r "${STAGE}/data"

  CreateShortCut "$SMPROGRAMS\Squinx.lnk" "$INSTDIR\Squinx.exe"

  !insertmacro FileType ".sd" "Squinx.Case" "$(CaseType)"
  !insertmacro FileType ".stx" "Squinx.Recording" "$(RecordingType)"
  !insertmacro FileType ".sqs" "Squinx.Quiz" "$(QuizType)"
  WriteRegStr HKLM "Software\Classes\Applications\Squinx.exe\shell\open\command" "" '"$INSTDIR\Squinx.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

  WriteRegStr HKLM "Software\Squinx" "InstallDir" "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Squinx"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Squinx contributors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Squinx.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Squinx.lnk"
  !insertmacro RemoveFileType ".sd" "Squinx.Case"
  !insertmacro RemoveFileType ".stx" "Squinx.Recording"
  !insertmacro RemoveFileType ".sqs" "Squinx.Quiz"
  DeleteRegKey HKLM "Software\Classes\Applications\Squinx.exe"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  RMDir /r "$INSTDIR\data"
  Delete "$INSTDIR\Squinx.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\Squinx"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
