; Per-user installer for Windows: no administrator rights, installs into the
; user's own programs folder. makensis gets VERSION, STAGE (the portable
; folder), FILES (its file list as Delete/RMDir lines), ICON and OUTFILE.
;
; decoders.ini is the user's: an upgrade replaces it only while it still holds
; the sample the last install shipped, and the uninstaller removes it only then.

; A 64-bit installer for a 64-bit program: it runs wherever the program does.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; No file times in the installer: the same files make the same installer,
; whenever they were built. Installed files get the time of the install.
SetDateSave off

!define APP "Function Mapping"
!define EXE "function-mapping.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\FunctionMapping"

Name "${APP}"
BrandingText "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

; The second Start menu entry, which opens the list in Notepad, and the third,
; which checks it in a console window that stays until a key is pressed. Named
; in the installer's language; both names are removed, whichever was installed.
!define EDIT_LIST_EN "${APP} ${U+2013} edit decoder list"
!define EDIT_LIST_DE "${APP} ${U+2013} Decoderliste bearbeiten"
LangString EDIT_LIST ${LANG_ENGLISH} "${EDIT_LIST_EN}"
LangString EDIT_LIST ${LANG_GERMAN} "${EDIT_LIST_DE}"
!define CHECK "function-mapping-check.exe"
!define CHECK_LIST_EN "${APP} ${U+2013} check decoder list"
!define CHECK_LIST_DE "${APP} ${U+2013} Decoderliste pr${U+00FC}fen"
LangString CHECK_LIST ${LANG_ENGLISH} "${CHECK_LIST_EN}"
LangString CHECK_LIST ${LANG_GERMAN} "${CHECK_LIST_DE}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Function Mapping maintainers"

; Pops two paths and pushes 1 when both files exist and hold the same bytes, else 0.
!macro FILES_EQUAL un
Function ${un}FilesEqual
    Exch $R1
    Exch
    Exch $R0
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    Push $R6
    StrCpy $R6 0
    ClearErrors
    FileOpen $R2 $R0 r
    IfErrors done
    FileOpen $R3 $R1 r
    IfErrors close_first
next_byte:
    ClearErrors
    FileReadByte $R2 $R4
    IfErrors first_ended
    FileReadByte $R3 $R5
    IfErrors close_both
    StrCmp $R4 $R5 next_byte close_both
first_ended:
    ; Equal only if the second file ends here too.
    ClearErrors
    FileReadByte $R3 $R5
    IfErrors 0 close_both
    StrCpy $R6 1
close_both:
    FileClose $R3
close_first:
    FileClose $R2
done:
    StrCpy $R0 $R6
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
    Pop $R2
    Exch $R0
    Exch
    Pop $R1
FunctionEnd
!macroend
!insertmacro FILES_EQUAL ""
!insertmacro FILES_EQUAL "un."

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r /x decoders.ini "${STAGE}\*.*"

    ; The list is the user's once it differs from the sample we put there.
    IfFileExists "$INSTDIR\decoders.ini" 0 install_sample
    Push "$INSTDIR\decoders.ini"
    Push "$INSTDIR\decoders.sample.ini"
    Call FilesEqual
    Pop $0
    StrCmp $0 1 install_sample keep_list
install_sample:
    File "${STAGE}\decoders.ini"
keep_list:
    File "/oname=decoders.sample.ini" "${STAGE}\decoders.ini"

    ; The shortcut's working folder is the one SetOutPath set: the list's folder.
    CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}"
    Delete "$SMPROGRAMS\${EDIT_LIST_EN}.lnk"
    Delete "$SMPROGRAMS\${EDIT_LIST_DE}.lnk"
    CreateShortCut "$SMPROGRAMS\$(EDIT_LIST).lnk" "$WINDIR\notepad.exe" '"$INSTDIR\decoders.ini"'
    ; cmd strips the outer quotes of what follows /c and runs the rest: the
    ; checker on the list in its working folder, then pause.
    Delete "$SMPROGRAMS\${CHECK_LIST_EN}.lnk"
    Delete "$SMPROGRAMS\${CHECK_LIST_DE}.lnk"
    CreateShortCut "$SMPROGRAMS\$(CHECK_LIST).lnk" "$SYSDIR\cmd.exe" '/c ""$INSTDIR\${CHECK}" & pause"' \
        "$INSTDIR\${EXE}"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Function Mapping maintainers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${APP}.lnk"
    Delete "$SMPROGRAMS\${EDIT_LIST_EN}.lnk"
    Delete "$SMPROGRAMS\${EDIT_LIST_DE}.lnk"
    Delete "$SMPROGRAMS\${CHECK_LIST_EN}.lnk"
    Delete "$SMPROGRAMS\${CHECK_LIST_DE}.lnk"
    !include "${FILES}"

    Push "$INSTDIR\decoders.ini"
    Push "$INSTDIR\decoders.sample.ini"
    Call un.FilesEqual
    Pop $0
    StrCmp $0 1 0 +2
    Delete "$INSTDIR\decoders.ini"
    Delete "$INSTDIR\decoders.sample.ini"
    Delete "$INSTDIR\uninstall.exe"
    ; Removed only when empty: an edited list keeps its folder.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
