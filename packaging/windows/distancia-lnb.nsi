; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, in Spanish. packaging/CMakeLists.txt runs makensis with
; the defines: PRODUCT, PRODUCT_ID, PUBLISHER, VERSION ("1.00"), VERSION_QUAD
; ("1.0.0.0"), PROGRAM (the program file), PROGRAM_FILE (its name), ICON,
; LICENSE and OUTFILE.
;
; Without administrator rights it installs for the user who runs it, into
; their programs folder; run elevated, it installs for every user into
; Program Files. /S installs and uninstalls silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinVer.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_ID}"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "GPL-3.0-or-later"

; For every user when elevated, else for the one who runs it. A folder given
; with /D= is kept.
Function .onInit
    ; Windows 7 SP1 or later, as the program needs.
    ${IfNot} ${AtLeastWin7}
        Goto tooOld
    ${EndIf}
    ${If} ${IsWin7}
    ${AndIfNot} ${AtLeastServicePack} 1
        Goto tooOld
    ${EndIf}
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        SetShellVarContext all
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${EndIf}
    ${Else}
        SetShellVarContext current
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
    Return
tooOld:
    MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} necesita Windows 7 SP1 o posterior." /SD IDOK
    Abort
FunctionEnd

Section "${PRODUCT}" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "/oname=${PROGRAM_FILE}" "${PROGRAM}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}"

    ; SHCTX is HKLM for every user, HKCU for one.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Acceso directo en el escritorio" SectionDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "El programa y su acceso directo en el menú Inicio."
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "Un acceso directo a ${PRODUCT} en el escritorio."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The uninstaller finds out for whom the program was installed: an
; installation for every user needs the rights that made it.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "${PRODUCT} se instaló para todos los usuarios: desinstálelo como administrador." /SD IDOK
            Abort
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; Removes every file, shortcut and registry key the installer made, and
; nothing else.
Section "Uninstall"
    Delete "$INSTDIR\${PROGRAM_FILE}"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
