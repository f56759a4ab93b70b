; SPDX-License-Identifier: Apache-2.0
; The ORVA installer for 64-bit Windows, made by MakeInstaller.cmake (make windows-installer).
; Installs the staged program folder under Program Files for every user of the computer, with a
; Start-menu entry, the .rpc file type, the folder of the export passwords, and an uninstaller
; in "Apps & features". `/S` installs and uninstalls silently, `/D=FOLDER` (last) names another
; program folder. Uninstalling removes the program and nothing of the user's: no record file,
; CSV, RTF or PDF file, no setting and no export password.
;
; Defined on the command line: VERSION, FILE_VERSION (four numbers), PUBLISHER, STAGE (the program folder to install),
; UNINSTALL_FILES (the uninstaller's list of them), ICON, SIZE_KB, OUTFILE.

; makensis warns that Windows treats a program named ...setup.exe as an installer: it is one.
!pragma warning disable 9000

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Child and Adolescent Orvantis"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ORVA"
!define FILE_TYPE "Kelbrin.ORVA.RecordFile"
!define SHORTCUT "$SMPROGRAMS\ORVA.lnk"
; The export passwords' folder, %ProgramData%\Kelbrin\ORVA ($APPDATA for all users). Only
; administrators and the system change it; every user reads it.
!define DATA_FOLDER "$APPDATA\Kelbrin\ORVA"
!define DATA_FOLDER_ACL "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FRFX;;;BU)"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
BrandingText "ORVA ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\ORVA"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "ORVA"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "ORVA needs a 64-bit version of Windows." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "ORVA"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\orva.exe" "" "$INSTDIR\orva.exe" 0 SW_SHOWNORMAL "" "${PRODUCT}"

  CreateDirectory "${DATA_FOLDER}"
  Call ProtectDataFolder

  ; A record file opens in ORVA, chosen in the analysis dialog.
  WriteRegStr HKLM "Software\Classes\.rpc" "" "${FILE_TYPE}"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "ORVA record file"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\orva.exe,0"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\orva.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orva.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Gives the export passwords' folder an access list of its own instead of the one it inherits
; from ProgramData, which lets every user add files: the program refuses passwords that users
; other than administrators could change.
Function ProtectDataFolder
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${DATA_FOLDER_ACL}", i 1, *p .r1, p 0) i .r0'
  ${If} $0 == 0
    DetailPrint "The access list of ${DATA_FOLDER} could not be made."
    Return
  ${EndIf}
  System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r2, *p .r3, *i .r4) i .r0'
  ; DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION on a file object
  System::Call 'advapi32::SetNamedSecurityInfoW(w "${DATA_FOLDER}", i 1, i 0x80000004, p 0, p 0, p r3, p 0) i .r0'
  ${If} $0 != 0
    DetailPrint "The access list of ${DATA_FOLDER} could not be set (error $0)."
  ${EndIf}
  System::Call 'kernel32::LocalFree(p r1)'
FunctionEnd

Section "Uninstall"
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"
  ; The file type only while it is still ORVA's.
  ReadRegStr $0 HKLM "Software\Classes\.rpc" ""
  ${If} $0 == "${FILE_TYPE}"
    DeleteRegKey HKLM "Software\Classes\.rpc"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
