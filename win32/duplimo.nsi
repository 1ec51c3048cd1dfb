; The Windows installer of Duplimo, in Spanish: per machine, into
; Program Files\Duplimo, with a Start-menu shortcut and an entry in Apps and
; Features; /S installs and uninstalls silently. makensis is given VERSION,
; VERSION4 (four numbers), STAGE (the folder to install), FILES (the list of
; its files, made with it), SIZE (their size in KiB), ICON, PICTURES (the
; folder of the wizard's sidebars) and OUTFILE.
Unicode true
; A 64-bit installer for a 64-bit program.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; No file times from the build machine in the installer, nor on the
; installed files.
SetDateSave off

!include "LogicLib.nsh"
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Duplimo"
!define UNINSTALLER "desinstalar.exe"

Name "Duplimo"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Duplimo"
BrandingText "KAVREL Soluciones"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=3082 "ProductName" "Duplimo"
VIAddVersionKey /LANG=3082 "CompanyName" "KAVREL Soluciones"
VIAddVersionKey /LANG=3082 "LegalCopyright" "© 2026 KAVREL Soluciones"
VIAddVersionKey /LANG=3082 "FileDescription" "Instalación de Duplimo"
VIAddVersionKey /LANG=3082 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=3082 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The game's own sidebar, drawn pixel for pixel at the display's scaling.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURES}\asistente_96.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH NoStretchNoCropNoAlign
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licencias\duplimo.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowFinish
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsPlayer
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

!macro Machine
    SetShellVarContext all
    SetRegView 64
!macroend

Function .onInit
    !insertmacro Machine
FunctionEnd

Function un.onInit
    !insertmacro Machine
FunctionEnd

; The sidebar for the display's scaling, where it is more than 100 %.
Function ShowFinish
    System::Call "user32::GetDC(p 0) p .r1"
    System::Call "gdi32::GetDeviceCaps(p r1, i 88) i .r0"  ; LOGPIXELSX
    System::Call "user32::ReleaseDC(p 0, p r1)"
    ${If} $0 >= 192
        File "/oname=$PLUGINSDIR\asistente.bmp" "${PICTURES}\asistente_192.bmp"
    ${ElseIf} $0 >= 144
        File "/oname=$PLUGINSDIR\asistente.bmp" "${PICTURES}\asistente_144.bmp"
    ${ElseIf} $0 >= 120
        File "/oname=$PLUGINSDIR\asistente.bmp" "${PICTURES}\asistente_120.bmp"
    ${Else}
        Return
    ${EndIf}
    ${NSD_FreeImage} $mui.FinishPage.Image.Bitmap
    ${NSD_SetImage} $mui.FinishPage.Image "$PLUGINSDIR\asistente.bmp" $mui.FinishPage.Image.Bitmap
FunctionEnd

; The game starts as the player who is logged in, not with the installer's
; administrator rights: the shell, which runs as that player, starts it.
Function RunAsPlayer
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\duplimo.exe"'
FunctionEnd

; FILES defines the macros Install and Uninstall, one line a file.
!include "${FILES}"

Section "Duplimo"
    !insertmacro Install
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ; A shortcut starts in the folder that is the output path when it is made.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Duplimo.lnk" "$INSTDIR\duplimo.exe" "" "$INSTDIR\duplimo.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Duplimo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KAVREL Soluciones"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\duplimo.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Duplimo.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    !insertmacro Uninstall
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
SectionEnd
