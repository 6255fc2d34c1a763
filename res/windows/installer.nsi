; SPDX-License-Identifier: GPL-3.0-or-later
; The Vorpin installer, for the current user (no administrator rights needed): the game
; in %LOCALAPPDATA%\Programs\Vorpin, a Start menu entry and an uninstaller that Windows
; lists under installed apps. Uninstalling removes the program, its Start menu entry and
; that listing; the player's records under HKCU\Software\Tarnwick stay.
; makensis -DVERSION=1.0.0 -DSTAGE=<folder with the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
Target amd64-unicode  ; a 64-bit installer for the 64-bit game
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorpin"

Name "Vorpin ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Vorpin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Vorpin"
VIAddVersionKey "CompanyName" "Tarnwick"
VIAddVersionKey "FileDescription" "Vorpin ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${STAGE}\LICENSE.txt"

Section "Vorpin"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}\Vorpin.exe"
    File "${STAGE}\vorpin-sim.exe"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\DejaVu-font-LICENSE.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Vorpin.lnk" "$INSTDIR\Vorpin.exe" "" "$INSTDIR\Vorpin.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vorpin"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tarnwick"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vorpin.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Vorpin.lnk"
    Delete "$INSTDIR\Vorpin.exe"
    Delete "$INSTDIR\vorpin-sim.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\DejaVu-font-LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
